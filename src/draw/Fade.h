// Full-screen fades between a colour and the picture, one frame per call.
// The level follows a quarter sine of an angle in degrees (0 = the colour,
// 90 = the picture). The accelerated kind darkens the live picture; the plain
// kind fades the shown palette at 8 bits and blends a snapshot at 16/32 bits.
#pragma once

#include "draw/DrawDevice.h"

namespace vh::draw {

// One frame of the fade from the colour to the picture; true on the frame
// that completes it (the 16th with step 6). finish = 1 completes on this call.
bool DDFadeIn(DrawDevice& dd, Palette& shown, int first, int last, int red, int green, int blue,
              double step, const Palette& truePalette, int finish);

// One frame of the fade from the picture to the colour.
bool DDFadeOut(DrawDevice& dd, Palette& shown, int first, int last, int red, int green, int blue,
               double step, const Palette& truePalette, int finish);

}  // namespace vh::draw
