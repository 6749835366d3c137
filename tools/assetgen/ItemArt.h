// The item pictures, also used for the interface icons.
#pragma once

#include "IndexedImage.h"

namespace vh::assetgen {

// Draws item graphic 1..51, animation frame 0 or 1, into a 32 x 32 cell
// without its outline.
void PaintItem(IndexedImage& cell, int graphic, int frame);

// Item graphics the interface icons are taken from.
namespace item {
constexpr int kRedGem = 2;
constexpr int kWings = 10;
constexpr int kBoots = 11;
constexpr int kSword = 12;
constexpr int kShield = 13;
constexpr int kBow = 14;
constexpr int kStaff = 15;
}  // namespace item

}  // namespace vh::assetgen
