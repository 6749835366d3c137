// Reads Windows BMP pictures: the 40-byte info header and the larger V2-V5
// headers; 1, 4 and 8-bit palette pictures and 16, 24 and 32-bit colour
// pictures, uncompressed or with bit-field masks, stored bottom-up or
// top-down. Compressed pictures and anything truncated, oversized or
// inconsistent are refused with a reason; nothing is half-read.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "draw/PixelFormat.h"

namespace vh::draw {

struct BmpImage {
  int width = 0;
  int height = 0;
  int bitCount = 0;             // bits per pixel in the file
  std::vector<Rgb> colorTable;  // palette pictures only
  // Palette pictures: one colour-table index per pixel, rows top-down.
  std::vector<uint8_t> indices;
  // Colour pictures: XRGB8888 per pixel, rows top-down.
  std::vector<uint32_t> colors;

  bool Paletted() const { return bitCount <= 8; }
  // The colour of pixel (x, y); an index beyond the colour table is black.
  Rgb ColorAt(int x, int y) const;
};

struct BmpResult {
  bool ok = false;
  std::string error;  // why the picture was refused (English, for logs and tools)
  BmpImage image;
};

BmpResult DecodeBmp(std::span<const uint8_t> bytes);

// Reads and decodes a file; files larger than any picture we accept are
// refused without being read.
BmpResult LoadBmpFile(const std::filesystem::path& file);

}  // namespace vh::draw
