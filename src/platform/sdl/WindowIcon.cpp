#include "platform/sdl/WindowIcon.h"

#include <algorithm>
#include <cmath>

namespace vh::platform {
namespace {

// Distance from (px, py) to the segment (ax, ay)-(bx, by).
double SegmentDistance(double px, double py, double ax, double ay, double bx, double by) {
  const double dx = bx - ax, dy = by - ay;
  const double t = std::clamp(((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
  return std::hypot(px - (ax + t * dx), py - (ay + t * dy));
}

// Coverage 0..1 of a stroke of half-width `radius` at distance `d`, for soft edges.
double Coverage(double d, double radius) { return std::clamp(radius + 0.5 - d, 0.0, 1.0); }

uint32_t Mix(uint32_t under, uint32_t over, double amount) {
  auto channel = [&](int shift) {
    const double a = (under >> shift) & 0xFF, b = (over >> shift) & 0xFF;
    return static_cast<uint32_t>(std::lround(a + (b - a) * amount)) << shift;
  };
  return channel(24) | channel(16) | channel(8) | channel(0);
}

}  // namespace

// A white "V" on a dark blue rounded square, with an orange "+" at its lower right.
std::vector<uint32_t> MakeWindowIcon() {
  constexpr uint32_t kClear = 0x00000000, kBack = 0xFF1B2A4A, kV = 0xFFF2F2F2, kPlus = 0xFFFF9A1F;
  std::vector<uint32_t> pixels(kWindowIconSize * kWindowIconSize);
  for (int y = 0; y < kWindowIconSize; ++y) {
    for (int x = 0; x < kWindowIconSize; ++x) {
      const double px = x + 0.5, py = y + 0.5;
      // Rounded square: distance outside a square inset by the corner radius.
      const double qx = std::max(std::abs(px - 16.0) - 11.0, 0.0);
      const double qy = std::max(std::abs(py - 16.0) - 11.0, 0.0);
      uint32_t c = Mix(kClear, kBack, Coverage(std::hypot(qx, qy), 4.5));
      const double v = std::min(SegmentDistance(px, py, 5, 7, 12.5, 25),
                                SegmentDistance(px, py, 12.5, 25, 20, 7));
      c = Mix(c, kV, Coverage(v, 2.0));
      const double plus = std::min(SegmentDistance(px, py, 21, 21, 28, 21),
                                   SegmentDistance(px, py, 24.5, 17.5, 24.5, 24.5));
      c = Mix(c, kPlus, Coverage(plus, 1.2));
      pixels[y * kWindowIconSize + x] = c;
    }
  }
  return pixels;
}

}  // namespace vh::platform
