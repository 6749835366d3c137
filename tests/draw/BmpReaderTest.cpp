#include <gtest/gtest.h>

#include <bit>
#include <functional>
#include <string>

#include "BmpBuilder.h"
#include "draw/BmpReader.h"

namespace vh::draw::test {
namespace {

// A channel value of `bits` bits widened to 8 bits (0 -> 0, all ones -> 255).
uint8_t Widen(uint32_t v, int bits) {
  const uint32_t max = (1u << bits) - 1;
  return static_cast<uint8_t>((v * 255 + max / 2) / max);
}

std::vector<Rgb> Table(int n) {
  std::vector<Rgb> t;
  for (int i = 0; i < n; ++i)
    t.push_back({static_cast<uint8_t>(i * 13), static_cast<uint8_t>(255 - i), static_cast<uint8_t>(i * 7)});
  return t;
}

struct FormatCase {
  std::string name;
  BmpLayout layout;
  std::function<Rgb(int, int)> expect;
};

FormatCase Paletted(std::string name, int bits, int colors, bool topDown, uint32_t header = 40) {
  FormatCase c{std::move(name), {}, {}};
  c.layout.width = 5;
  c.layout.height = 3;
  c.layout.bitCount = bits;
  c.layout.topDown = topDown;
  c.layout.headerSize = header;
  c.layout.colorTable = Table(colors);
  c.layout.pixel = [colors](int x, int y) { return static_cast<uint32_t>((x * 3 + y) % colors); };
  const std::vector<Rgb> table = c.layout.colorTable;
  c.expect = [table, colors](int x, int y) { return table[(x * 3 + y) % colors]; };
  return c;
}

// r, g, b channel values of pixel (x, y) for a picture with these field widths.
uint32_t Field(int x, int y, int channel, int bits) {
  return static_cast<uint32_t>(x * 5 + y * 11 + channel * 3) & ((1u << bits) - 1);
}

FormatCase BitFields(std::string name, int bitCount, uint32_t compression, uint32_t header,
                     const uint32_t (&masks)[3], bool topDown = false) {
  FormatCase c{std::move(name), {}, {}};
  c.layout.width = 5;
  c.layout.height = 3;
  c.layout.bitCount = bitCount;
  c.layout.compression = compression;
  c.layout.headerSize = header;
  c.layout.topDown = topDown;
  for (int i = 0; i < 3; ++i) c.layout.masks[i] = masks[i];
  struct Ch { int shift, bits; };
  Ch ch[3];
  for (int i = 0; i < 3; ++i) ch[i] = {std::countr_zero(masks[i]), std::popcount(masks[i])};
  c.layout.pixel = [ch](int x, int y) {
    uint32_t p = 0;
    for (int i = 0; i < 3; ++i) p |= Field(x, y, i, ch[i].bits) << ch[i].shift;
    return p;
  };
  c.expect = [ch](int x, int y) {
    uint8_t v[3];
    for (int i = 0; i < 3; ++i) {
      const uint32_t f = Field(x, y, i, ch[i].bits);
      v[i] = ch[i].bits >= 8 ? static_cast<uint8_t>(f >> (ch[i].bits - 8)) : Widen(f, ch[i].bits);
    }
    return Rgb{v[0], v[1], v[2]};
  };
  return c;
}

FormatCase TrueColor24(std::string name, uint32_t header, bool topDown) {
  FormatCase c{std::move(name), {}, {}};
  c.layout.width = 5;  // 15 bytes a row: one byte of padding
  c.layout.height = 3;
  c.layout.bitCount = 24;
  c.layout.headerSize = header;
  c.layout.topDown = topDown;
  c.layout.pixel = [](int x, int y) { return PackXrgb(uint8_t(x * 50), uint8_t(y * 80), uint8_t(x + y)); };
  c.expect = [](int x, int y) { return Rgb{uint8_t(x * 50), uint8_t(y * 80), uint8_t(x + y)}; };
  return c;
}

std::vector<FormatCase> SupportedFormats() {
  const uint32_t m555[3] = {0x7C00, 0x03E0, 0x001F};
  const uint32_t m565[3] = {0xF800, 0x07E0, 0x001F};
  const uint32_t m888[3] = {0xFF0000, 0x00FF00, 0x0000FF};
  const uint32_t bgr[3] = {0x0000FF, 0x00FF00, 0xFF0000};
  const uint32_t m101010[3] = {0x3FF00000, 0x000FFC00, 0x000003FF};
  return {
      Paletted("1bit", 1, 2, false),
      Paletted("4bit", 4, 16, false),
      Paletted("8bit_short_table", 8, 200, false),
      Paletted("8bit_top_down", 8, 256, true),
      Paletted("8bit_v5_header", 8, 256, false, 124),
      BitFields("16bit_plain_555", 16, 0, 40, m555),
      BitFields("16bit_fields_565", 16, 3, 40, m565),
      BitFields("16bit_fields_565_v4", 16, 3, 108, m565, true),
      TrueColor24("24bit", 40, false),
      TrueColor24("24bit_v5_top_down", 124, true),
      BitFields("32bit_plain", 32, 0, 40, m888),
      BitFields("32bit_fields_bgr", 32, 3, 40, bgr),
      BitFields("32bit_fields_10bit_v4", 32, 3, 108, m101010),
      BitFields("32bit_fields_v3_header", 32, 3, 56, bgr),
  };
}

TEST(BmpReader, DecodesEverySupportedFormat) {
  for (const FormatCase& c : SupportedFormats()) {
    SCOPED_TRACE(c.name);
    const std::vector<uint8_t> bytes = BuildBmp(c.layout);
    const BmpResult r = DecodeBmp(bytes);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.image.width, c.layout.width);
    EXPECT_EQ(r.image.height, c.layout.height);
    EXPECT_EQ(r.image.bitCount, c.layout.bitCount);
    for (int y = 0; y < c.layout.height; ++y)
      for (int x = 0; x < c.layout.width; ++x) {
        const Rgb got = r.image.ColorAt(x, y);
        const Rgb want = c.expect(x, y);
        EXPECT_EQ(got, want) << "pixel " << x << "," << y << " got " << int(got.red) << ","
                             << int(got.green) << "," << int(got.blue);
      }
  }
}

TEST(BmpReader, IndexBeyondTheColorTableIsBlack) {
  BmpLayout s;
  s.width = 2;
  s.colorTable = {{10, 20, 30}};
  s.pixel = [](int x, int) { return x == 0 ? 0u : 9u; };
  const BmpResult r = DecodeBmp(BuildBmp(s));
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_EQ(r.image.ColorAt(0, 0), (Rgb{10, 20, 30}));
  EXPECT_EQ(r.image.ColorAt(1, 0), Rgb{});
}

std::vector<uint8_t> Valid8Bit() {
  BmpLayout s;
  s.width = 5;
  s.height = 3;
  s.colorTable = Table(4);
  s.pixel = [](int x, int y) { return static_cast<uint32_t>((x + y) % 4); };
  return BuildBmp(s);
}

std::vector<uint8_t> Valid16BitFields() {
  BmpLayout s;
  s.width = 3;
  s.height = 2;
  s.bitCount = 16;
  s.compression = 3;
  s.masks[0] = 0xF800, s.masks[1] = 0x07E0, s.masks[2] = 0x001F;
  return BuildBmp(s);
}

struct DamageCase {
  const char* name;
  std::function<std::vector<uint8_t>()> make;
};

std::vector<uint8_t> With(std::vector<uint8_t> b, const std::function<void(std::vector<uint8_t>&)>& f) {
  f(b);
  return b;
}

TEST(BmpReader, RefusesDamagedAndUnsupportedFiles) {
  using B = std::vector<uint8_t>;
  const DamageCase cases[] = {
      {"empty", [] { return B{}; }},
      {"wrong_magic", [] { return With(Valid8Bit(), [](B& b) { b[0] = 'X'; }); }},
      {"core_header", [] { return With(Valid8Bit(), [](B& b) { Put32(b, kHeaderSizeAt, 12); }); }},
      {"huge_header", [] { return With(Valid8Bit(), [](B& b) { Put32(b, kHeaderSizeAt, 0xFFFFFFF0); }); }},
      {"truncated_header", [] { B b = Valid8Bit(); b.resize(30); return b; }},
      {"zero_width", [] { return With(Valid8Bit(), [](B& b) { Put32(b, kWidthAt, 0); }); }},
      {"negative_width", [] { return With(Valid8Bit(), [](B& b) { Put32(b, kWidthAt, uint32_t(-5)); }); }},
      {"zero_height", [] { return With(Valid8Bit(), [](B& b) { Put32(b, kHeightAt, 0); }); }},
      {"min_height", [] { return With(Valid8Bit(), [](B& b) { Put32(b, kHeightAt, 0x80000000u); }); }},
      {"too_wide", [] { return With(Valid8Bit(), [](B& b) { Put32(b, kWidthAt, 16385); }); }},
      {"too_many_pixels", [] {
         return With(Valid8Bit(), [](B& b) { Put32(b, kWidthAt, 16384); Put32(b, kHeightAt, 16384); });
       }},
      {"two_planes", [] { return With(Valid8Bit(), [](B& b) { Put16(b, kPlanesAt, 2); }); }},
      {"bit_count_2", [] { return With(Valid8Bit(), [](B& b) { Put16(b, kBitCountAt, 2); }); }},
      {"rle8", [] { return With(Valid8Bit(), [](B& b) { Put32(b, kCompressionAt, 1); }); }},
      {"rle4", [] { return With(Valid8Bit(), [](B& b) { Put32(b, kCompressionAt, 2); }); }},
      {"jpeg", [] { return With(Valid8Bit(), [](B& b) { Put32(b, kCompressionAt, 4); }); }},
      {"fields_on_8bit", [] { return With(Valid8Bit(), [](B& b) { Put32(b, kCompressionAt, 3); }); }},
      {"table_too_large", [] { return With(Valid8Bit(), [](B& b) { Put32(b, kColorsUsedAt, 257); }); }},
      {"table_truncated", [] { return With(Valid8Bit(), [](B& b) { Put32(b, kColorsUsedAt, 256); }); }},
      {"data_inside_headers", [] { return With(Valid8Bit(), [](B& b) { Put32(b, kOffBitsAt, 20); }); }},
      {"data_truncated", [] { B b = Valid8Bit(); b.pop_back(); return b; }},
      {"data_offset_past_end", [] { return With(Valid8Bit(), [](B& b) { Put32(b, kOffBitsAt, 0xFFFFFFFF); }); }},
      {"masks_not_contiguous", [] { return With(Valid16BitFields(), [](B& b) { Put32(b, kMasksAt, 0xA800); }); }},
      {"masks_overlap", [] { return With(Valid16BitFields(), [](B& b) { Put32(b, kMasksAt, 0xFFE0); }); }},
      {"masks_all_zero", [] {
         return With(Valid16BitFields(), [](B& b) { for (int i = 0; i < 3; ++i) Put32(b, kMasksAt + 4 * i, 0); });
       }},
      {"mask_wider_than_16bit_pixel", [] { return With(Valid16BitFields(), [](B& b) { Put32(b, kMasksAt, 0xF0000); }); }},
  };
  for (const DamageCase& c : cases) {
    SCOPED_TRACE(c.name);
    const BmpResult r = DecodeBmp(c.make());
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.error.empty());
    EXPECT_TRUE(r.image.indices.empty() && r.image.colors.empty());
  }
}

TEST(BmpReader, EveryTruncationOfAValidFileIsRefused) {
  for (const std::vector<uint8_t>& full : {Valid8Bit(), Valid16BitFields()}) {
    for (size_t n = 0; n < full.size(); ++n) {
      const std::vector<uint8_t> cut(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(n));
      EXPECT_FALSE(DecodeBmp(cut).ok) << "length " << n;
    }
    EXPECT_TRUE(DecodeBmp(full).ok);
  }
}

TEST(BmpReader, LoadBmpFileReportsMissingFiles) {
  const BmpResult r = LoadBmpFile(std::filesystem::temp_directory_path() / "vh_no_such_picture.bmp");
  EXPECT_FALSE(r.ok);
  EXPECT_FALSE(r.error.empty());
}

}  // namespace
}  // namespace vh::draw::test
