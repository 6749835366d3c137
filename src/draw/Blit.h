// Rectangle copies between surfaces of the same device.
#pragma once

#include "draw/DrawDevice.h"

namespace vh::draw {

// Copies the w x h rectangle at (sx, sy) of src to (dx, dy) of dst, clipped
// to both surfaces. colorKey 1 skips pixels of the transmit colour when src
// was made with the colour-key option. Returns 0 when nothing was drawn.
int DDBlt(const DrawDevice& dd, SurfaceDesc& dst, int dx, int dy, int w, int h,
          const SurfaceDesc& src, int sx, int sy, int colorKey);

// Copies the sw x sh source rectangle scaled to dw x dh. A negative sw
// mirrors left-right and a negative sh top-bottom; the source rectangle then
// extends to the left of sx / above sy.
int DDBltEx(const DrawDevice& dd, SurfaceDesc& dst, int dx, int dy, int dw, int dh,
            const SurfaceDesc& src, int sx, int sy, int sw, int sh, int colorKey);

}  // namespace vh::draw
