// Bitmap-font text: each byte code has a cell in a 16 x 16 grid of the font
// image (column = code & 0x0F, row = code >> 4). "^" switches the half-width
// kana to katakana, "@" back to hiragana (the default), "$" is skipped, a line
// feed or ":" starts a new line, and 640 pixels of advance wrap to the next line.
#pragma once

#include <string_view>

#include "draw/DrawDevice.h"

namespace vh::draw {

// `text` is Shift-JIS bytes; drawing stops at its end or at a NUL byte.
void DDTextOut(const DrawDevice& dd, SurfaceDesc& dst, int x, int y, int cellW, int cellH,
               const SurfaceDesc& font, std::string_view text);

// Formats with printf rules (at most 255 characters) and draws the result.
void DDPrintf(const DrawDevice& dd, SurfaceDesc& dst, int x, int y, int cellW, int cellH,
              const SurfaceDesc& font, const char* format, ...)
    __attribute__((format(printf, 8, 9)));

}  // namespace vh::draw
