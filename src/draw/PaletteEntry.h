// Palette numbers 0..255 name colours of the program's palette. Each entry is
// red, green, blue and a flags byte, in that order.
#pragma once

#include <array>
#include <cstdint>

namespace vh::draw {

struct PaletteEntry {
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;
  uint8_t flags = 0;

  friend bool operator==(const PaletteEntry&, const PaletteEntry&) = default;
};
static_assert(sizeof(PaletteEntry) == 4);

inline constexpr int kPaletteSize = 256;
using Palette = std::array<PaletteEntry, kPaletteSize>;
static_assert(sizeof(Palette) == 1024);

}  // namespace vh::draw
