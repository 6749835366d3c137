// The one palette every picture of the default data shares (it is the colour
// table of bmp/Palette.bmp), and names for its entries so the generators draw
// with ramps instead of bare numbers.
//
//   0        transmit colour (magenta; no picture uses it for anything else)
//   1..15    plain interface colours
//   16       black                17..30  greys, dark to light
//   31       frame colour         32..191 twenty ramps of eight shades
//   192..239 six groups of eight that the game rotates on 8-bit screens
//   240..254 night and dusk shades for skies
//   255      white
#pragma once

#include <array>
#include <cstdint>

namespace vh::assetgen {

struct Rgb {
  uint8_t r, g, b;
};

using PaletteTable = std::array<Rgb, 256>;

PaletteTable MakeGamePalette();

namespace pal {

constexpr uint8_t kTransmit = 0;
constexpr uint8_t kBlack = 16;
constexpr uint8_t kFrame = 31;
constexpr uint8_t kWhite = 255;

// Eight shades each, 0 darkest .. 7 lightest; shade 4 is the plain colour.
enum class Ramp : uint8_t {
  Red, Orange, Yellow, Lime, Green, Teal, Cyan, Sky, Blue, Indigo,
  Violet, Pink, Brown, Skin, Olive, Stone, Sand, Moss, Ice, Gold,
};
constexpr int kRampCount = 20;
constexpr uint8_t kFirstRamp = 32;

constexpr uint8_t Shade(Ramp ramp, int shade) {
  return static_cast<uint8_t>(kFirstRamp + static_cast<int>(ramp) * 8 + shade);
}

// 0 = black, 1..14 the greys, 15 = white.
constexpr uint8_t Grey(int level) {
  return level <= 0 ? kBlack : level >= 15 ? kWhite : static_cast<uint8_t>(16 + level);
}

// Cycling groups: each holds one loop of a shimmer, so rotating it animates.
enum class Cycle : uint8_t { Water, Lava, Rainbow, Spark, Signal, Metal };
constexpr uint8_t CycleEntry(Cycle group, int i) {
  return static_cast<uint8_t>(192 + static_cast<int>(group) * 8 + (i & 7));
}

// 240..247 night sky (dark to light), 248..254 dusk (dark to light).
constexpr uint8_t Night(int i) { return static_cast<uint8_t>(240 + i); }
constexpr uint8_t Dusk(int i) { return static_cast<uint8_t>(248 + i); }

}  // namespace pal

// The entry whose colour is nearest to `c`, never the transmit colour.
uint8_t NearestEntry(const PaletteTable& palette, Rgb c);

}  // namespace vh::assetgen
