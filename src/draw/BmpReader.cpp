#include "draw/BmpReader.h"

#include <bit>
#include <fstream>
#include <limits>

#include "draw/SurfaceDesc.h"

namespace vh::draw {
namespace {

constexpr uint32_t kBiRgb = 0;
constexpr uint32_t kBiRle8 = 1;
constexpr uint32_t kBiRle4 = 2;
constexpr uint32_t kBiBitfields = 3;

constexpr size_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;
// The largest pixel data we accept plus room for headers and a colour table.
constexpr uint64_t kMaxFileBytes = static_cast<uint64_t>(kMaxSurfacePixels) * 4 + (1u << 20);

uint16_t U16(std::span<const uint8_t> b, size_t at) {
  return static_cast<uint16_t>(b[at] | (b[at + 1] << 8));
}

uint32_t U32(std::span<const uint8_t> b, size_t at) {
  return static_cast<uint32_t>(b[at]) | (static_cast<uint32_t>(b[at + 1]) << 8) |
         (static_cast<uint32_t>(b[at + 2]) << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}

BmpResult Fail(std::string why) {
  BmpResult r;
  r.error = std::move(why);
  return r;
}

// One colour field of a bit-field pixel.
struct Channel {
  uint32_t mask = 0;
  int shift = 0;
  int bits = 0;

  uint8_t Extract(uint32_t pixel) const {
    if (bits == 0) return 0;
    const uint32_t v = (pixel & mask) >> shift;
    if (bits >= 8) return static_cast<uint8_t>(v >> (bits - 8));
    const uint32_t max = (1u << bits) - 1;
    return static_cast<uint8_t>((v * 255 + max / 2) / max);
  }
};

bool MakeChannel(uint32_t mask, Channel& c) {
  c = {};
  if (mask == 0) return true;
  const int shift = std::countr_zero(mask);
  const uint32_t field = mask >> shift;
  if ((field & (field + 1)) != 0) return false;  // not one run of bits
  c.mask = mask;
  c.shift = shift;
  c.bits = std::popcount(mask);
  return true;
}

struct Header {
  uint32_t offBits = 0;
  uint32_t headerSize = 0;
  int width = 0;
  int height = 0;
  bool topDown = false;
  int bitCount = 0;
  uint32_t compression = 0;
  uint32_t colorsUsed = 0;
};

// Checks the two headers; returns an empty string when they are usable.
std::string ReadHeader(std::span<const uint8_t> b, Header& h) {
  if (b.size() < kFileHeaderSize + 4) return "file too short for a BMP header";
  if (b[0] != 'B' || b[1] != 'M') return "not a BMP file";
  h.offBits = U32(b, 10);
  h.headerSize = U32(b, 14);
  switch (h.headerSize) {
    case 40: case 52: case 56: case 108: case 124: break;
    default: return "unsupported info header size " + std::to_string(h.headerSize);
  }
  if (b.size() < kFileHeaderSize + h.headerSize) return "truncated info header";
  const int32_t width = static_cast<int32_t>(U32(b, 18));
  const int32_t height = static_cast<int32_t>(U32(b, 22));
  const uint16_t planes = U16(b, 26);
  h.bitCount = U16(b, 28);
  h.compression = U32(b, 30);
  h.colorsUsed = U32(b, 46);
  if (planes != 1) return "plane count is not 1";
  if (width <= 0 || height == 0 || height == std::numeric_limits<int32_t>::min())
    return "bad picture size";
  h.topDown = height < 0;
  h.width = width;
  h.height = height < 0 ? -height : height;
  if (h.width > kMaxSurfaceSide || h.height > kMaxSurfaceSide ||
      static_cast<int64_t>(h.width) * h.height > kMaxSurfacePixels)
    return "picture too large (" + std::to_string(h.width) + " x " + std::to_string(h.height) + ")";
  switch (h.bitCount) {
    case 1: case 4: case 8: case 16: case 24: case 32: break;
    default: return "unsupported bit count " + std::to_string(h.bitCount);
  }
  if (h.compression == kBiRle8 || h.compression == kBiRle4)
    return "compressed pictures are not supported";
  if (h.compression != kBiRgb && h.compression != kBiBitfields)
    return "unsupported compression " + std::to_string(h.compression);
  if (h.compression == kBiBitfields && h.bitCount != 16 && h.bitCount != 32)
    return "bit-field masks with a bit count other than 16 or 32";
  return {};
}

// Bit-field masks: inside the larger headers, or 12 bytes after the 40-byte one.
std::string ReadChannels(std::span<const uint8_t> b, const Header& h, Channel (&ch)[3],
                         size_t& tableStart) {
  tableStart = kFileHeaderSize + h.headerSize;
  uint32_t masks[3];
  if (h.compression == kBiBitfields) {
    const size_t at = kFileHeaderSize + kInfoHeaderSize;
    if (h.headerSize == kInfoHeaderSize) {
      if (b.size() < at + 12) return "truncated bit-field masks";
      tableStart += 12;
    }
    for (int i = 0; i < 3; ++i) masks[i] = U32(b, at + 4 * i);
    if ((masks[0] | masks[1] | masks[2]) == 0 || (masks[0] & masks[1]) != 0 ||
        (masks[0] & masks[2]) != 0 || (masks[1] & masks[2]) != 0)
      return "bad bit-field masks";
    if (h.bitCount == 16 && ((masks[0] | masks[1] | masks[2]) >> 16) != 0)
      return "bad bit-field masks";
  } else if (h.bitCount == 16) {
    masks[0] = 0x7C00, masks[1] = 0x03E0, masks[2] = 0x001F;
  } else {
    masks[0] = 0xFF0000, masks[1] = 0x00FF00, masks[2] = 0x0000FF;
  }
  for (int i = 0; i < 3; ++i)
    if (!MakeChannel(masks[i], ch[i])) return "bad bit-field masks";
  return {};
}

void DecodePalettedRow(const uint8_t* row, int width, int bitCount, uint8_t* out) {
  if (bitCount == 8) {
    std::copy(row, row + width, out);
    return;
  }
  const int perByte = 8 / bitCount;
  const int mask = (1 << bitCount) - 1;
  for (int x = 0; x < width; ++x) {
    const int shift = 8 - bitCount * (x % perByte + 1);
    out[x] = static_cast<uint8_t>((row[x / perByte] >> shift) & mask);
  }
}

void DecodeColorRow(const uint8_t* row, int width, int bitCount, const Channel (&ch)[3],
                    uint32_t* out) {
  for (int x = 0; x < width; ++x) {
    uint32_t p;
    if (bitCount == 24) {
      const uint8_t* q = row + 3 * x;
      out[x] = PackXrgb(q[2], q[1], q[0]);
      continue;
    }
    if (bitCount == 16) {
      p = static_cast<uint32_t>(row[2 * x] | (row[2 * x + 1] << 8));
    } else {
      const uint8_t* q = row + 4 * x;
      p = static_cast<uint32_t>(q[0]) | (static_cast<uint32_t>(q[1]) << 8) |
          (static_cast<uint32_t>(q[2]) << 16) | (static_cast<uint32_t>(q[3]) << 24);
    }
    out[x] = PackXrgb(ch[0].Extract(p), ch[1].Extract(p), ch[2].Extract(p));
  }
}

}  // namespace

Rgb BmpImage::ColorAt(int x, int y) const {
  const size_t i = static_cast<size_t>(y) * width + x;
  if (!Paletted()) return UnpackXrgb(colors[i]);
  const uint8_t index = indices[i];
  return index < colorTable.size() ? colorTable[index] : Rgb{};
}

BmpResult DecodeBmp(std::span<const uint8_t> b) {
  Header h;
  if (std::string why = ReadHeader(b, h); !why.empty()) return Fail(why);
  Channel ch[3];
  size_t tableStart = 0;
  if (std::string why = ReadChannels(b, h, ch, tableStart); !why.empty()) return Fail(why);

  BmpResult r;
  BmpImage& img = r.image;
  size_t tableEnd = tableStart;
  if (h.bitCount <= 8) {
    const uint32_t maxColors = 1u << h.bitCount;
    const uint32_t count = h.colorsUsed == 0 ? maxColors : h.colorsUsed;
    if (count > maxColors) return Fail("colour table larger than the bit count allows");
    tableEnd = tableStart + 4 * static_cast<size_t>(count);
    if (tableEnd > b.size()) return Fail("truncated colour table");
    img.colorTable.resize(count);
    for (uint32_t i = 0; i < count; ++i) {
      const size_t at = tableStart + 4 * i;
      img.colorTable[i] = {b[at + 2], b[at + 1], b[at]};
    }
  }
  if (h.offBits < tableEnd) return Fail("pixel data overlaps the headers");
  const uint64_t stride = (static_cast<uint64_t>(h.width) * h.bitCount + 31) / 32 * 4;
  if (h.offBits + stride * h.height > b.size()) return Fail("truncated pixel data");

  img.width = h.width;
  img.height = h.height;
  img.bitCount = h.bitCount;
  const size_t pixels = static_cast<size_t>(h.width) * h.height;
  if (h.bitCount <= 8)
    img.indices.resize(pixels);
  else
    img.colors.resize(pixels);
  for (int y = 0; y < h.height; ++y) {
    const int fileRow = h.topDown ? y : h.height - 1 - y;
    const uint8_t* row = b.data() + h.offBits + stride * fileRow;
    const size_t out = static_cast<size_t>(y) * h.width;
    if (h.bitCount <= 8)
      DecodePalettedRow(row, h.width, h.bitCount, img.indices.data() + out);
    else
      DecodeColorRow(row, h.width, h.bitCount, ch, img.colors.data() + out);
  }
  r.ok = true;
  return r;
}

BmpResult LoadBmpFile(const std::filesystem::path& file) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file, ec)) return Fail("file not found");
  const uintmax_t size = std::filesystem::file_size(file, ec);
  if (ec) return Fail("cannot read the file size");
  if (size > kMaxFileBytes) return Fail("file too large for a picture");
  std::ifstream in(file, std::ios::binary);
  if (!in) return Fail("cannot open the file");
  std::vector<uint8_t> bytes(static_cast<size_t>(size));
  if (!in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size)))
    return Fail("cannot read the file");
  return DecodeBmp(bytes);
}

}  // namespace vh::draw
