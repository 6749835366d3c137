#include "draw/Fade.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "draw/PaletteOps.h"
#include "draw/PixelFormat.h"

namespace vh::draw {
namespace {

double SinDegrees(double angle) { return std::sin(angle * std::numbers::pi / 180.0); }

// Per-channel tables: colour weight and picture weight out of `scale`.
struct BlendTables {
  std::array<uint32_t, 256> red{}, green{}, blue{};  // 32-bit: values already in place
  std::array<uint16_t, 32> red5{}, blue5{};          // 16-bit: fields already in place
  std::array<uint16_t, 64> green6{};
};

template <class Blend>
BlendTables MakeTables(int r, int g, int b, Blend blend) {
  BlendTables t;
  for (int v = 0; v < 256; ++v) {
    t.red[v] = static_cast<uint32_t>(blend(r, v)) << 16;
    t.green[v] = static_cast<uint32_t>(blend(g, v)) << 8;
    t.blue[v] = static_cast<uint32_t>(blend(b, v));
  }
  for (int v = 0; v < 32; ++v) {
    const Rgb wide = UnpackRgb565(static_cast<uint16_t>((v << 11) | v));
    t.red5[v] = static_cast<uint16_t>((blend(r, wide.red) >> 3) << 11);
    t.blue5[v] = static_cast<uint16_t>(blend(b, wide.blue) >> 3);
  }
  for (int v = 0; v < 64; ++v) {
    const Rgb wide = UnpackRgb565(static_cast<uint16_t>(v << 5));
    t.green6[v] = static_cast<uint16_t>((blend(g, wide.green) >> 2) << 5);
  }
  return t;
}

// Writes the blend of every pixel of `from` into `to` (same size and depth).
void ApplyTables(const BlendTables& t, const SurfaceDesc& from, SurfaceDesc& to) {
  const size_t n = static_cast<size_t>(from.width) * from.height;
  if (from.bytesPerPixel == 4) {
    const uint32_t* s = reinterpret_cast<const uint32_t*>(from.pixels.data());
    uint32_t* d = reinterpret_cast<uint32_t*>(to.pixels.data());
    for (size_t i = 0; i < n; ++i)
      d[i] = t.red[(s[i] >> 16) & 0xFF] | t.green[(s[i] >> 8) & 0xFF] | t.blue[s[i] & 0xFF];
  } else if (from.bytesPerPixel == 2) {
    const uint16_t* s = reinterpret_cast<const uint16_t*>(from.pixels.data());
    uint16_t* d = reinterpret_cast<uint16_t*>(to.pixels.data());
    for (size_t i = 0; i < n; ++i)
      d[i] = static_cast<uint16_t>(t.red5[s[i] >> 11] | t.green6[(s[i] >> 5) & 0x3F] |
                                   t.blue5[s[i] & 0x1F]);
  }
}

// The accelerated kind lays a quad of the colour with alpha over the live picture.
void DrawOverlay(DrawDevice& dd, double angle, int r, int g, int b) {
  const int alpha = 255 - static_cast<int>(SinDegrees(angle) * 255.0);
  if (alpha == 0) return;
  const BlendTables t = MakeTables(r, g, b, [alpha](int c, int v) {
    return (c * alpha + v * (255 - alpha) + 127) / 255;
  });
  ApplyTables(t, dd.BackBuffer, dd.BackBuffer);
}

// The plain kind at 16/32 bits blends the colour with a snapshot of the
// picture taken at the fade's first frame.
void DrawFromSnapshot(DrawDevice& dd, double angle, bool firstFrame, int r, int g, int b) {
  if (firstFrame || !dd.fade.snapshotTaken) {
    dd.FadeWork.pixels = dd.BackBuffer.pixels;
    dd.fade.snapshotTaken = true;
  }
  const int level = static_cast<int>(SinDegrees(angle) * 256.0);
  const BlendTables t = MakeTables(r, g, b, [level](int c, int v) {
    return (c * (256 - level) + level * v) >> 8;
  });
  ApplyTables(t, dd.FadeWork, dd.BackBuffer);
}

void DrawFadeFrame(DrawDevice& dd, Palette& shown, int first, int last, int r, int g, int b,
                   const Palette& truePalette, double angle, bool firstFrame) {
  if (!dd.BackBuffer.Exists()) return;
  if (dd.Direct3D) {
    DrawOverlay(dd, angle, r, g, b);
  } else if (dd.BytesPerPixel == 1) {
    const int level = static_cast<int>(SinDegrees(angle) * 256.0);
    DDFadePalette(shown, first, last, level, r, g, b, truePalette);
  } else {
    DrawFromSnapshot(dd, angle, firstFrame, r, g, b);
  }
}

}  // namespace

bool DDFadeIn(DrawDevice& dd, Palette& shown, int first, int last, int red, int green, int blue,
              double step, const Palette& truePalette, int finish) {
  double& angle = dd.Direct3D ? dd.fade.fadeInDirect3D : dd.fade.fadeInDirectDraw;
  if (finish) angle = 90.0;
  DrawFadeFrame(dd, shown, first, last, red, green, blue, truePalette, angle, angle == 0.0);
  if (angle < 90.0) {
    angle = std::min(angle + step, 90.0);
    return false;
  }
  angle = 0.0;
  dd.fade.snapshotTaken = false;
  return true;
}

bool DDFadeOut(DrawDevice& dd, Palette& shown, int first, int last, int red, int green, int blue,
               double step, const Palette& truePalette, int finish) {
  double& angle = dd.Direct3D ? dd.fade.fadeOutDirect3D : dd.fade.fadeOutDirectDraw;
  if (finish) angle = 0.0;
  DrawFadeFrame(dd, shown, first, last, red, green, blue, truePalette, angle, angle == 90.0);
  if (angle > 0.0) {
    angle = std::max(angle - step, 0.0);
    return false;
  }
  angle = 90.0;
  dd.fade.snapshotTaken = false;
  return true;
}

}  // namespace vh::draw
