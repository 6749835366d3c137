// The window icon, drawn in code so no picture file is needed at start-up.
#pragma once

#include <cstdint>
#include <vector>

namespace vh::platform {

inline constexpr int kWindowIconSize = 32;

// kWindowIconSize x kWindowIconSize pixels, ARGB8888, rows top to bottom.
std::vector<uint32_t> MakeWindowIcon();

}  // namespace vh::platform
