// The palette and the transmit colour: loading them from bmp\Palette.bmp,
// palette fades and colour cycling.
#pragma once

#include <string_view>

#include "draw/DrawDevice.h"

namespace vh::draw {

// Reads the 256 colours of `file` into `palette`: the colour table of an
// 8-bit picture, or (plain kind at 16/32 bits, pictures at least 16 pixels
// wide) the top-left 16 x 16 pixels row by row as the device depth shows them.
bool DDLoadPaletteFromFile(DrawDevice& dd, Palette& palette, std::string_view file);

// The transmit colour is the top-left pixel of `file` loaded at the device depth.
bool DDSetTransmit(DrawDevice& dd, std::string_view file);

// out[i] = blend of (red, green, blue) and in[i] by level/256, for first..last.
void DDFadePalette(Palette& out, int first, int last, int level, int red, int green, int blue,
                   const Palette& in);

// Copies `source` into `palette`, then rotates entries first..last by `count`
// places: direction 0 moves the last `count` entries to the start of the
// range, direction 1 moves the first `count` entries to its end.
void DDRotatePalette(Palette& palette, int first, int last, int count, int direction,
                     const Palette& source);

}  // namespace vh::draw
