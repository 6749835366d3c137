// A 5 x 9 pixel design of the printable ASCII characters: rows 0..6 hold
// capitals and ascenders (baseline under row 6), rows 7..8 descenders.
#pragma once

#include <array>

namespace vh::assetgen {

constexpr int kDebugGlyphWidth = 5;
constexpr int kDebugGlyphRows = 9;

// Rows of '#' (ink) and '.'; rows not given are empty.
using DebugGlyph = std::array<const char*, kDebugGlyphRows>;

// Codes 0x20..0x7E in order.
const std::array<DebugGlyph, 95>& DebugGlyphs();

}  // namespace vh::assetgen
