#include "platform/TextEncoding.h"

#include <iconv.h>

#include <cerrno>
#include <cstddef>

namespace vh::platform {
namespace {

// How many bytes to drop for one character iconv refused: a whole character
// when its bytes are well formed (it only has no mapping), else one byte, so a
// stray byte never swallows the character after it.
std::size_t Utf8BadLength(const unsigned char* p, std::size_t left) {
  std::size_t n = 1;
  if (p[0] >= 0xF0 && p[0] < 0xF8) n = 4;
  else if (p[0] >= 0xE0 && p[0] < 0xF0) n = 3;
  else if (p[0] >= 0xC2 && p[0] < 0xE0) n = 2;
  if (n > left) return 1;
  for (std::size_t i = 1; i < n; ++i) {
    if ((p[i] & 0xC0) != 0x80) return 1;
  }
  return n;
}

// Code page 932: lead bytes 0x81-0x9F and 0xE0-0xFC, trail bytes 0x40-0xFC except 0x7F.
std::size_t SjisBadLength(const unsigned char* p, std::size_t left) {
  const bool lead = (p[0] >= 0x81 && p[0] <= 0x9F) || (p[0] >= 0xE0 && p[0] <= 0xFC);
  const bool trail = left >= 2 && p[1] >= 0x40 && p[1] <= 0xFC && p[1] != 0x7F;
  return lead && trail ? 2 : 1;
}

// Converts with iconv, replacing each character it cannot convert with '?'.
std::string Convert(const char* to, const char* from, std::string_view input,
                    std::size_t (*badLength)(const unsigned char*, std::size_t)) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(input.size(), '?');

  std::string out;
  out.reserve(input.size() * 2);
  char buffer[512];
  char* in = const_cast<char*>(input.data());
  std::size_t inLeft = input.size();
  while (inLeft > 0) {
    char* outPtr = buffer;
    std::size_t outLeft = sizeof buffer;
    const std::size_t rc = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
    out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
    if (rc != static_cast<std::size_t>(-1) || errno == E2BIG) continue;
    // EILSEQ (invalid or unmappable) or EINVAL (cut off at the end).
    const std::size_t skip =
        errno == EINVAL ? inLeft : badLength(reinterpret_cast<const unsigned char*>(in), inLeft);
    out.push_back('?');
    in += skip;
    inLeft -= skip;
  }
  iconv_close(cd);
  return out;
}

}  // namespace

std::string ShiftJisToUtf8(std::string_view sjis) {
  return Convert("UTF-8", "CP932", sjis, SjisBadLength);
}

std::string Utf8ToShiftJis(std::string_view utf8) {
  return Convert("CP932", "UTF-8", utf8, Utf8BadLength);
}

}  // namespace vh::platform
