// Effects built on the scaled copy: a turning card, a picture split in four
// flying quarters, and the copy of a disc band by band.
#pragma once

#include "draw/DrawDevice.h"

namespace vh::draw {

// A card of w x h at (x, y) turning about its vertical (axis 0) or horizontal
// (axis 1) centre line. phase counts up from 0; the front image shows first,
// then the back, and so on. Other axes and negative phases draw nothing.
int DDBltSpin(const DrawDevice& dd, SurfaceDesc& dst, int x, int y, int w, int h,
              const SurfaceDesc& front, int fx, int fy, const SurfaceDesc& back, int bx, int by,
              int sw, int sh, int colorKey, int phase, int axis);

// The w x h picture at (sx, sy) cut in four quarters, each pushed outward by
// spread pixels from its place at (x, y).
int DDBltSplit4(const DrawDevice& dd, SurfaceDesc& dst, int x, int y, int w, int h,
                const SurfaceDesc& src, int sx, int sy, int spread, int colorKey);

struct CircleBlt {
  SurfaceDesc* dst = nullptr;
  int dx = 0;  // centre on the destination
  int dy = 0;
  int rightClip = 0;        // destination columns from here on are not drawn
  int halfHeightLimit = 0;  // rows further from the centre are not drawn
  int radius = 0;
  int bandHeight = 1;  // rows per band; the chord is measured at the band's middle
  const SurfaceDesc* src = nullptr;
  int sx = 0;  // centre on the source
  int sy = 0;
  int colorKey = 0;
};

// Copies the disc of the given radius around (sx, sy) of the source to the
// same place around (dx, dy) of the destination, one band of rows at a time.
int DDBltCircle(const DrawDevice& dd, const CircleBlt& c);

}  // namespace vh::draw
