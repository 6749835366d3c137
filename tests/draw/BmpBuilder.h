// Builds small BMP files in memory for the reader and loading tests.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <vector>

#include "draw/PixelFormat.h"

namespace vh::draw::test {

struct BmpLayout {
  int width = 1;
  int height = 1;  // stored as given; topDown stores -height
  int bitCount = 8;
  bool topDown = false;
  uint32_t compression = 0;  // 0 plain, 3 bit fields
  uint32_t headerSize = 40;
  std::vector<Rgb> colorTable;  // written for bit counts up to 8
  uint32_t masks[3] = {0, 0, 0};  // bit fields: red, green, blue
  // The stored value of pixel (x, y), rows counted from the top: an index,
  // a 16/32-bit word, or 0xRRGGBB for 24 bits.
  std::function<uint32_t(int, int)> pixel = [](int, int) { return 0u; };
};

std::vector<uint8_t> BuildBmp(const BmpLayout& layout);
void WriteFile(const std::filesystem::path& file, const std::vector<uint8_t>& bytes);

// Offsets of header fields, for damaging files in tests.
inline constexpr size_t kOffBitsAt = 10;
inline constexpr size_t kHeaderSizeAt = 14;
inline constexpr size_t kWidthAt = 18;
inline constexpr size_t kHeightAt = 22;
inline constexpr size_t kPlanesAt = 26;
inline constexpr size_t kBitCountAt = 28;
inline constexpr size_t kCompressionAt = 30;
inline constexpr size_t kColorsUsedAt = 46;
inline constexpr size_t kMasksAt = 54;

void Put16(std::vector<uint8_t>& b, size_t at, uint16_t v);
void Put32(std::vector<uint8_t>& b, size_t at, uint32_t v);

}  // namespace vh::draw::test
