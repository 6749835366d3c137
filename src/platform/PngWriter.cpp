#include "platform/PngWriter.h"

#include <fstream>
#include <vector>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#include <stb/stb_image_write.h>

namespace vh::platform {
namespace {

constexpr int kMaxSide = 1 << 15;

void AppendToStream(void* context, void* data, int size) {
  static_cast<std::ofstream*>(context)->write(static_cast<const char*>(data), size);
}

}  // namespace

bool WritePng(const std::filesystem::path& file, const uint32_t* pixels, int width, int height,
              int pitch) {
  if (pixels == nullptr || width <= 0 || height <= 0 || pitch < width) return false;
  if (width > kMaxSide || height > kMaxSide) return false;

  std::vector<unsigned char> rgb(static_cast<std::size_t>(width) * height * 3);
  unsigned char* out = rgb.data();
  for (int y = 0; y < height; ++y) {
    const uint32_t* row = pixels + static_cast<std::size_t>(y) * pitch;
    for (int x = 0; x < width; ++x) {
      *out++ = static_cast<unsigned char>(row[x] >> 16);
      *out++ = static_cast<unsigned char>(row[x] >> 8);
      *out++ = static_cast<unsigned char>(row[x]);
    }
  }

  std::ofstream stream(file, std::ios::binary | std::ios::trunc);
  if (!stream) return false;
  const int ok = stbi_write_png_to_func(AppendToStream, &stream, width, height, 3, rgb.data(),
                                        width * 3);
  stream.close();
  return ok != 0 && !stream.fail();
}

}  // namespace vh::platform
