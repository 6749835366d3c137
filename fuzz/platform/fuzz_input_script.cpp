// Headless input scripts are written by users: any bytes must parse or be
// refused with a line number, never crash.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/KeyTable.h"
#include "platform/headless/InputScript.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vh::platform::InputScript script;
  std::string error;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  if (!vh::platform::ParseInputScript(text, script, error)) {
    if (error.rfind("line ", 0) != 0) std::abort();
    return 0;
  }
  uint64_t last = 0;
  for (const auto& change : script.changes) {
    if (change.frame < last) std::abort();
    last = change.frame;
    for (int scancode : change.scancodes) {
      if (scancode <= 0 || scancode >= vh::platform::keys::kScancodeCount) std::abort();
    }
  }
  return 0;
}
