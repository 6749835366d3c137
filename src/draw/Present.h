// Turns the BackBuffer into the 640 x 480 XRGB8888 picture the platform
// presents: 8-bit pixels through the ShownPalette, 16-bit pixels widened.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "draw/DrawDevice.h"

namespace vh::draw {

// `out` holds width x height pixels of the BackBuffer (640 x 480), rows top-down.
void ComposeFrame(const DrawDevice& dd, std::span<uint32_t> out);
std::vector<uint32_t> ComposeFrame(const DrawDevice& dd);

// Any surface of the device as XRGB8888 (8-bit through `palette`).
std::vector<uint32_t> SurfaceToXrgb(const SurfaceDesc& surface, const Palette& palette);

}  // namespace vh::draw
