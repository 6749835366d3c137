#include "GamePalette.h"

#include <cmath>
#include <limits>

namespace vh::assetgen {
namespace {

Rgb Mix(Rgb a, Rgb b, double t) {
  auto m = [t](uint8_t x, uint8_t y) {
    return static_cast<uint8_t>(std::lround(x + (static_cast<double>(y) - x) * t));
  };
  return {m(a.r, b.r), m(a.g, b.g), m(a.b, b.b)};
}

struct RampAnchors {
  Rgb dark, plain, light;
};

// Darks lean cool and lights lean warm, which keeps shading lively.
constexpr std::array<RampAnchors, pal::kRampCount> kRamps = {{
    {{64, 8, 24}, {208, 32, 40}, {255, 184, 168}},     // red
    {{72, 24, 8}, {232, 112, 24}, {255, 216, 160}},    // orange
    {{80, 56, 0}, {240, 200, 32}, {255, 248, 192}},    // yellow
    {{24, 56, 8}, {136, 200, 32}, {224, 255, 168}},    // lime
    {{8, 40, 24}, {40, 160, 64}, {176, 240, 176}},     // green
    {{8, 40, 48}, {24, 144, 136}, {168, 240, 224}},    // teal
    {{8, 48, 72}, {40, 184, 216}, {200, 248, 255}},    // cyan
    {{24, 48, 96}, {96, 160, 232}, {216, 236, 255}},   // sky
    {{16, 16, 72}, {48, 80, 216}, {176, 192, 255}},    // blue
    {{24, 16, 64}, {88, 64, 184}, {200, 192, 248}},    // indigo
    {{40, 8, 56}, {144, 56, 184}, {232, 192, 248}},    // violet
    {{64, 8, 40}, {224, 72, 152}, {255, 200, 224}},    // pink
    {{40, 20, 12}, {136, 80, 40}, {232, 192, 144}},    // brown
    {{88, 40, 32}, {224, 152, 112}, {255, 228, 200}},  // skin
    {{32, 36, 12}, {120, 128, 48}, {216, 224, 160}},   // olive
    {{28, 32, 44}, {104, 116, 140}, {208, 216, 232}},  // stone
    {{72, 56, 32}, {200, 168, 104}, {248, 236, 200}},  // sand
    {{12, 28, 16}, {56, 96, 48}, {168, 200, 136}},     // moss
    {{40, 72, 112}, {136, 200, 232}, {240, 252, 255}}, // ice
    {{72, 40, 0}, {216, 160, 16}, {255, 244, 160}},    // gold
}};

constexpr std::array<Rgb, 15> kInterface = {{
    {128, 0, 0}, {0, 128, 0}, {128, 128, 0}, {0, 0, 128}, {128, 0, 128},
    {0, 128, 128}, {192, 192, 192}, {128, 128, 128}, {255, 0, 0}, {0, 255, 0},
    {255, 255, 0}, {0, 0, 255}, {224, 96, 224}, {0, 255, 255}, {255, 160, 0},
}};

// A loop that rises and falls through eight entries.
void FillCycle(PaletteTable& p, pal::Cycle group, Rgb low, Rgb high) {
  constexpr std::array<double, 8> kWave = {0.0, 0.25, 0.5, 0.75, 1.0, 0.75, 0.5, 0.25};
  for (int i = 0; i < 8; ++i) p[pal::CycleEntry(group, i)] = Mix(low, high, kWave[i]);
}

Rgb Hue(double degrees) {
  const double h = std::fmod(degrees, 360.0) / 60.0;
  const double x = 1.0 - std::fabs(std::fmod(h, 2.0) - 1.0);
  const auto f = [](double v) { return static_cast<uint8_t>(std::lround(v * 255.0)); };
  switch (static_cast<int>(h)) {
    case 0: return {255, f(x), 0};
    case 1: return {f(x), 255, 0};
    case 2: return {0, 255, f(x)};
    case 3: return {0, f(x), 255};
    case 4: return {f(x), 0, 255};
    default: return {255, 0, f(x)};
  }
}

}  // namespace

PaletteTable MakeGamePalette() {
  PaletteTable p{};
  p[pal::kTransmit] = {255, 0, 255};
  for (int i = 0; i < 15; ++i) p[1 + i] = kInterface[i];
  p[pal::kBlack] = {0, 0, 0};
  for (int level = 1; level <= 14; ++level) {
    const auto v = static_cast<uint8_t>(level * 17);
    p[pal::Grey(level)] = {v, v, static_cast<uint8_t>(std::min(255, v + 4))};
  }
  p[pal::kFrame] = {224, 184, 96};
  for (int r = 0; r < pal::kRampCount; ++r) {
    const auto& a = kRamps[r];
    for (int s = 0; s < 8; ++s) {
      p[pal::Shade(static_cast<pal::Ramp>(r), s)] =
          s <= 4 ? Mix(a.dark, a.plain, s / 4.0) : Mix(a.plain, a.light, (s - 4) / 3.0);
    }
  }
  FillCycle(p, pal::Cycle::Water, {32, 80, 176}, {168, 224, 255});
  FillCycle(p, pal::Cycle::Lava, {160, 24, 0}, {255, 224, 64});
  for (int i = 0; i < 8; ++i) p[pal::CycleEntry(pal::Cycle::Rainbow, i)] = Hue(i * 45.0 + 10.0);
  FillCycle(p, pal::Cycle::Spark, {0, 96, 160}, {224, 255, 255});
  FillCycle(p, pal::Cycle::Signal, {16, 72, 16}, {200, 255, 96});
  FillCycle(p, pal::Cycle::Metal, {72, 76, 88}, {232, 236, 244});
  for (int i = 0; i < 8; ++i) p[pal::Night(i)] = Mix({6, 8, 28}, {72, 104, 168}, i / 7.0);
  for (int i = 0; i < 7; ++i) p[pal::Dusk(i)] = Mix({56, 24, 80}, {255, 176, 120}, i / 6.0);
  p[pal::kWhite] = {255, 255, 255};
  return p;
}

uint8_t NearestEntry(const PaletteTable& palette, Rgb c) {
  uint8_t best = pal::kBlack;
  long bestDistance = std::numeric_limits<long>::max();
  for (int i = 1; i < 256; ++i) {
    const long dr = palette[i].r - c.r, dg = palette[i].g - c.g, db = palette[i].b - c.b;
    // Weighted towards green, as the eye is.
    const long d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
    if (d < bestDistance) {
      bestDistance = d;
      best = static_cast<uint8_t>(i);
    }
  }
  return best;
}

}  // namespace vh::assetgen
