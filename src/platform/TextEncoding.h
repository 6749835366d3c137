// Shift-JIS (code page 932) <-> UTF-8. Texts in files and in the bitmap fonts
// are Shift-JIS; file names on disk and message boxes are UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace vh::platform {

// Invalid or unmappable input becomes '?' per character; never fails.
std::string ShiftJisToUtf8(std::string_view sjis);
std::string Utf8ToShiftJis(std::string_view utf8);

}  // namespace vh::platform
