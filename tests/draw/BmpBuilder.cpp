#include "BmpBuilder.h"

#include <fstream>

namespace vh::draw::test {

void Put16(std::vector<uint8_t>& b, size_t at, uint16_t v) {
  b[at] = static_cast<uint8_t>(v);
  b[at + 1] = static_cast<uint8_t>(v >> 8);
}

void Put32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

std::vector<uint8_t> BuildBmp(const BmpLayout& s) {
  const bool masksAfterHeader = s.compression == 3 && s.headerSize == 40;
  const size_t tableAt = 14 + s.headerSize + (masksAfterHeader ? 12 : 0);
  const size_t tableBytes = s.bitCount <= 8 ? 4 * s.colorTable.size() : 0;
  const size_t offBits = tableAt + tableBytes;
  const size_t stride = (static_cast<size_t>(s.width) * s.bitCount + 31) / 32 * 4;
  std::vector<uint8_t> b(offBits + stride * s.height, 0);
  b[0] = 'B';
  b[1] = 'M';
  Put32(b, 2, static_cast<uint32_t>(b.size()));
  Put32(b, kOffBitsAt, static_cast<uint32_t>(offBits));
  Put32(b, kHeaderSizeAt, s.headerSize);
  Put32(b, kWidthAt, static_cast<uint32_t>(s.width));
  Put32(b, kHeightAt, static_cast<uint32_t>(s.topDown ? -s.height : s.height));
  Put16(b, kPlanesAt, 1);
  Put16(b, kBitCountAt, static_cast<uint16_t>(s.bitCount));
  Put32(b, kCompressionAt, s.compression);
  if (s.bitCount <= 8) Put32(b, kColorsUsedAt, static_cast<uint32_t>(s.colorTable.size()));
  if (s.compression == 3)
    for (int i = 0; i < 3; ++i) Put32(b, kMasksAt + 4 * i, s.masks[i]);
  for (size_t i = 0; i < s.colorTable.size() && s.bitCount <= 8; ++i) {
    b[tableAt + 4 * i] = s.colorTable[i].blue;
    b[tableAt + 4 * i + 1] = s.colorTable[i].green;
    b[tableAt + 4 * i + 2] = s.colorTable[i].red;
  }
  for (int y = 0; y < s.height; ++y) {
    const int fileRow = s.topDown ? y : s.height - 1 - y;
    const size_t row = offBits + stride * fileRow;
    for (int x = 0; x < s.width; ++x) {
      const uint32_t v = s.pixel(x, y);
      switch (s.bitCount) {
        case 1: case 4: {
          const int perByte = 8 / s.bitCount;
          const int shift = 8 - s.bitCount * (x % perByte + 1);
          b[row + x / perByte] |= static_cast<uint8_t>(v << shift);
          break;
        }
        case 8: b[row + x] = static_cast<uint8_t>(v); break;
        case 16: Put16(b, row + 2 * x, static_cast<uint16_t>(v)); break;
        case 24:
          b[row + 3 * x] = static_cast<uint8_t>(v);
          b[row + 3 * x + 1] = static_cast<uint8_t>(v >> 8);
          b[row + 3 * x + 2] = static_cast<uint8_t>(v >> 16);
          break;
        default: Put32(b, row + 4 * x, v); break;
      }
    }
  }
  return b;
}

void WriteFile(const std::filesystem::path& file, const std::vector<uint8_t>& bytes) {
  std::filesystem::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace vh::draw::test
