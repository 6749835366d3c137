// Drawing helpers shared by the picture generators: shading with the palette
// ramps, bevels, outlines, deterministic noise and simple shapes. Everything
// clips to the picture and draws only palette entries.
#pragma once

#include <cstdint>

#include "GamePalette.h"
#include "IndexedImage.h"

namespace vh::assetgen::art {

// A deterministic value 0..255 for a position and a seed: texture without randomness.
uint8_t Noise(int x, int y, int seed);

// An ellipse lit from the upper left: shades 1..6 of the ramp by surface slope.
void ShadedEllipse(IndexedImage& img, int x, int y, int w, int h, pal::Ramp ramp);
// A box lit from the upper left: light top/left edges, dark bottom/right edges.
void Bevel(IndexedImage& img, int x, int y, int w, int h, uint8_t light, uint8_t face,
           uint8_t dark, int thickness = 1);
void BevelRamp(IndexedImage& img, int x, int y, int w, int h, pal::Ramp ramp, int thickness = 1);
// Vertical gradient over shades [from..to] of a ramp, dithered between bands.
void Gradient(IndexedImage& img, int x, int y, int w, int h, pal::Ramp ramp, int from, int to);
// Same over any list of palette entries, top to bottom.
void GradientEntries(IndexedImage& img, int x, int y, int w, int h, const uint8_t* entries,
                     int count);
void FillTriangle(IndexedImage& img, int x0, int y0, int x1, int y1, int x2, int y2, uint8_t c);
void Circle(IndexedImage& img, int cx, int cy, int r, uint8_t c);
void Disc(IndexedImage& img, int cx, int cy, int r, uint8_t c);
// Thick line made of discs.
void ThickLine(IndexedImage& img, int x0, int y0, int x1, int y1, int radius, uint8_t c);

// Rings every drawn (non-zero) pixel of the rectangle with `colour` on its
// empty 8-neighbours (4-neighbours when `corners` is false).
void Outline(IndexedImage& img, int x, int y, int w, int h, uint8_t colour, bool corners = false);
// Copies the rectangle mirrored left to right onto itself.
void MirrorInPlace(IndexedImage& img, int x, int y, int w, int h);
// Replaces every drawn pixel of the rectangle through a shade mapping: each
// ramp entry keeps its shade but moves to `to`; other entries stay.
void RecolourRamp(IndexedImage& img, int x, int y, int w, int h, pal::Ramp from, pal::Ramp to);
// Halves a w x h block into (dx, dy): each 2 x 2 block takes its most
// frequent non-zero entry (empty only when two or more pixels are empty).
void Downscale2(const IndexedImage& src, int sx, int sy, int w, int h, IndexedImage& dst, int dx,
                int dy);

// A small star (five points), radius r.
void Star(IndexedImage& img, int cx, int cy, int r, uint8_t c);

}  // namespace vh::assetgen::art
