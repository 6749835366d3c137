#include "Bmp8Writer.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

namespace vh::assetgen {
namespace {

constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kColourTableSize = 256 * 4;

void Put16(std::vector<uint8_t>& out, uint16_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

std::vector<uint8_t> Encode(const IndexedImage& image, const PaletteTable& palette) {
  const auto width = static_cast<uint32_t>(image.Width());
  const auto height = static_cast<uint32_t>(image.Height());
  const uint32_t stride = (width + 3) & ~3u;  // rows are padded to 4 bytes
  const uint32_t pixelOffset = kFileHeaderSize + kInfoHeaderSize + kColourTableSize;
  const uint32_t imageSize = stride * height;

  std::vector<uint8_t> out;
  out.reserve(pixelOffset + imageSize);
  out.push_back('B');
  out.push_back('M');
  Put32(out, pixelOffset + imageSize);
  Put32(out, 0);  // reserved
  Put32(out, pixelOffset);

  Put32(out, kInfoHeaderSize);
  Put32(out, width);
  Put32(out, height);  // positive: bottom-up rows
  Put16(out, 1);       // planes
  Put16(out, 8);       // bits per pixel
  Put32(out, 0);       // no compression
  Put32(out, imageSize);
  Put32(out, 2835);  // 72 dpi
  Put32(out, 2835);
  Put32(out, 256);  // colours used
  Put32(out, 0);    // all colours important

  for (const Rgb& c : palette) {
    out.push_back(c.b);
    out.push_back(c.g);
    out.push_back(c.r);
    out.push_back(0);
  }
  const auto& pixels = image.Pixels();
  for (uint32_t row = height; row-- > 0;) {
    const auto begin = pixels.begin() + static_cast<ptrdiff_t>(row) * width;
    out.insert(out.end(), begin, begin + width);
    out.insert(out.end(), stride - width, 0);
  }
  return out;
}

}  // namespace

bool WriteBmp8(const std::filesystem::path& file, const IndexedImage& image,
               const PaletteTable& palette) {
  if (image.Width() <= 0 || image.Height() <= 0) {
    std::fprintf(stderr, "vh_assetgen: empty picture for %s\n", file.c_str());
    return false;
  }
  std::error_code ec;
  std::filesystem::create_directories(file.parent_path(), ec);
  const std::vector<uint8_t> bytes = Encode(image, palette);
  auto temp = file;
  temp += ".tmp";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
      std::fprintf(stderr, "vh_assetgen: cannot write %s\n", temp.c_str());
      std::filesystem::remove(temp, ec);
      return false;
    }
  }
  std::filesystem::rename(temp, file, ec);
  if (ec) {
    std::fprintf(stderr, "vh_assetgen: cannot write %s: %s\n", file.c_str(), ec.message().c_str());
    std::filesystem::remove(temp, ec);
    return false;
  }
  return true;
}

}  // namespace vh::assetgen
