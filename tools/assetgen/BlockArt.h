// The block pictures, also used by the title picture.
#pragma once

#include "IndexedImage.h"

namespace vh::assetgen {

// Draws block graphic 1..51 into a 32 x 32 cell.
void PaintBlock(IndexedImage& cell, int graphic);

namespace block {
constexpr int kGrassGround = 1;
constexpr int kEarth = 2;
constexpr int kStarBlock = 8;
}  // namespace block

}  // namespace vh::assetgen
