// Landscape pieces for the backgrounds and the title picture. Every piece
// repeats with a period that divides 640, so backgrounds tile seamlessly
// from left to right.
#pragma once

#include <vector>

#include "GamePalette.h"
#include "IndexedImage.h"

namespace vh::assetgen::scenery {

// A smooth height profile periodic over the picture width: the base height
// plus waves with whole numbers of periods.
struct Wave {
  int periods;
  double amplitude;
  double phase;
};
std::vector<int> Ridge(int width, double base, const std::vector<Wave>& waves);

// Fills every column from its ridge height down to `bottom` (exclusive) with
// rows of the given entries (top to bottom); the last entry repeats.
void FillBelow(IndexedImage& img, const std::vector<int>& ridge, int bottom,
               const std::vector<uint8_t>& bands, int bandHeight);

// Sky from top to `height` through the entries, dithered between them.
void Sky(IndexedImage& img, int height, const std::vector<uint8_t>& entries);

// A puffy cloud centred at (cx, cy), wrapping at the picture edges.
void Cloud(IndexedImage& img, int cx, int cy, int size, uint8_t body, uint8_t shadow);

// Pixel stars, some brighter, deterministic by seed.
void Stars(IndexedImage& img, int top, int bottom, int count, int seed);

// A conifer silhouette with its base at (x, baseY), wrapping horizontally.
void Conifer(IndexedImage& img, int x, int baseY, int height, uint8_t body, uint8_t light);

// Draws `sprite` (keyed on 0) scaled by a whole factor, wrapping horizontally.
void BlitScaled(IndexedImage& img, const IndexedImage& sprite, int dx, int dy, int factor);

// Sets a pixel, wrapping x around the picture width.
void SetWrapped(IndexedImage& img, int x, int y, uint8_t c);

}  // namespace vh::assetgen::scenery
