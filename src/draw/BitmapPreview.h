// What the game shows of a loaded picture, for the tools: XRGB8888 through
// the shown palette; when the surface has the colour key, its transparent
// pixels are drawn as a grey checkerboard of 8-pixel squares.
#pragma once

#include <cstdint>
#include <vector>

#include "draw/DrawDevice.h"

namespace vh::draw {

inline constexpr uint32_t kCheckerLight = 0xC0C0C0;
inline constexpr uint32_t kCheckerDark = 0x808080;

std::vector<uint32_t> PreviewSurface(const DrawDevice& dd, const SurfaceDesc& surface);

}  // namespace vh::draw
