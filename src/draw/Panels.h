// Composite drawings built on the copies: framed windows, window texts and
// numbers drawn with digit glyphs.
#pragma once

#include <cstdint>
#include <string_view>

#include "draw/DrawDevice.h"

namespace vh::draw {

// Copies the w x h rectangle at (0, 0) of src to (x, y) without colour key,
// then frames it on the outside: DDFrameRect at (x - t, y - t), (w + 2t, h + 2t).
int DDDrawWindow(const DrawDevice& dd, SurfaceDesc& dst, int x, int y, int w, int h,
                 const SurfaceDesc& src, int thickness, int palNum);

// DDDrawWindow, then the text at (x + indent, y) with the given bitmap font.
int DDDrawWindowText(const DrawDevice& dd, SurfaceDesc& dst, int x, int y, int w, int h,
                     const SurfaceDesc& src, int thickness, int palNum, const SurfaceDesc& font,
                     int cellW, int cellH, std::string_view text, int indent);

// Draws value in decimal with the digit glyphs 0..9 laid side by side in src
// from (sx, sy). With fewer digits than fieldWidth the number is right-aligned
// in the field, or centred (half the offset) when centre is set.
int DDDrawNumber(const DrawDevice& dd, SurfaceDesc& dst, int x, int y, int digitW, int digitH,
                 const SurfaceDesc& src, int sx, int sy, int colorKey, uint32_t value,
                 int fieldWidth, int centre);

}  // namespace vh::draw
