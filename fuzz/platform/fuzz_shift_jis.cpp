// Texts from stage and palette files are converted for display and file
// names: any bytes must convert, and the result must be valid UTF-8 that
// converts back without loss of what was valid.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/TextEncoding.h"

namespace {

bool IsValidUtf8(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size()) {
    const auto c = static_cast<unsigned char>(s[i]);
    std::size_t n = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
    if (n == 0 || i + n > s.size()) return false;
    for (std::size_t k = 1; k < n; ++k) {
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    }
    i += n;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::string utf8 = vh::platform::ShiftJisToUtf8(bytes);
  if (!IsValidUtf8(utf8)) std::abort();
  // What came out as UTF-8 must go back to Shift-JIS and out again unchanged.
  if (vh::platform::ShiftJisToUtf8(vh::platform::Utf8ToShiftJis(utf8)) != utf8) std::abort();
  // Arbitrary bytes as UTF-8 input must not crash either.
  (void)vh::platform::Utf8ToShiftJis(bytes);
  return 0;
}
