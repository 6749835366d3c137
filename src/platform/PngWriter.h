// Writes XRGB8888 pictures as PNG (screenshots and tool output).
#pragma once

#include <cstdint>
#include <filesystem>

namespace vh::platform {

// `pitch` is in pixels. Returns false when the file cannot be written.
bool WritePng(const std::filesystem::path& file, const uint32_t* pixels, int width, int height,
              int pitch);

}  // namespace vh::platform
