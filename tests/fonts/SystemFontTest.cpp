#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "draw/DrawDevice.h"
#include "draw/Primitives.h"
#include "draw/SystemFont.h"
#include "platform/Diagnostics.h"
#include "platform/TextEncoding.h"
#include "platform/fonts/FontLibrary.h"

namespace vh::draw {
namespace {

using platform::Utf8ToShiftJis;

// Passes everything to a real face and counts what had to be rasterised.
class CountingFace : public platform::FontFace {
 public:
  CountingFace(std::unique_ptr<platform::FontFace> inner, int& renders)
      : inner_(std::move(inner)), renders_(renders) {}
  int PixelSize() const override { return inner_->PixelSize(); }
  platform::FaceMetrics Metrics() const override { return inner_->Metrics(); }
  bool HasGlyph(char32_t c) const override { return inner_->HasGlyph(c); }
  int Advance(char32_t c) const override { return inner_->Advance(c); }
  int MeasureLine(std::string_view utf8) const override { return inner_->MeasureLine(utf8); }
  platform::AlphaBitmap RenderLine(std::string_view utf8) const override {
    ++renders_;
    return inner_->RenderLine(utf8);
  }
  platform::AlphaBitmap RenderGlyph(char32_t c) const override {
    ++renders_;
    return inner_->RenderGlyph(c);
  }

 private:
  std::unique_ptr<platform::FontFace> inner_;
  int& renders_;
};

class SystemFontTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    library_ = platform::FontLibrary::Create(error);
    ASSERT_NE(library_, nullptr) << error;
  }

  void InitDevice(int bits, int direct3D = 0) {
    DDInitParams params;
    params.colorBits = bits;
    params.direct3D = direct3D;
    ASSERT_TRUE(DDInit(dd_, params));
    for (int i = 0; i < kPaletteSize; ++i) {
      const auto v = static_cast<uint8_t>(i);
      dd_.TruePalette[i] = {v, v, v, 0};
    }
    dd_.ShownPalette = dd_.TruePalette;
  }

  std::unique_ptr<SystemFont> MakeFont(const SystemFontDesc& desc) {
    std::string error;
    auto face = platform::OpenJapaneseGothic(*library_, 16, platform::GlyphRendering::Smooth, error);
    EXPECT_NE(face, nullptr) << error;
    return std::make_unique<SystemFont>(dd_, desc, std::make_unique<CountingFace>(std::move(face), renders_));
  }

  static SystemFontDesc CachedDesc() {
    SystemFontDesc d = MessageFontDesc();
    d.charStep = 8;
    return d;
  }

  // Rows of the back buffer that hold any pixel other than `background`.
  std::vector<int> InkRows(uint32_t background) const {
    std::vector<int> rows;
    for (int y = 0; y < dd_.BackBuffer.height; ++y) {
      const uint32_t* row = dd_.BackBuffer.Row<uint32_t>(y);
      if (std::any_of(row, row + dd_.BackBuffer.width, [&](uint32_t p) { return p != background; }))
        rows.push_back(y);
    }
    return rows;
  }

  platform::RecordingDiagnostics diag_;
  DrawDevice dd_{diag_, "."};
  std::unique_ptr<platform::FontLibrary> library_;
  int renders_ = 0;
};

TEST_F(SystemFontTest, MeasuresTheWidestLineAndOneLineStepPerLine) {
  InitDevice(32);
  struct Case {
    const char* utf8;
    int width;
    int height;
  };
  // The gothic face is 8 pixels per half-width and 16 per full-width character.
  const Case cases[] = {
      {"", 0, 16},
      {"abc", 24, 16},
      {"ab\nあいう", 48, 32},
      {"あいう\nab\n", 48, 48},
      {"x\n\n\nyz", 16, 64},
  };
  auto font = MakeFont(MessageFontDesc());
  ASSERT_TRUE(font->Usable());
  EXPECT_EQ(font->Cache(), nullptr);
  for (const Case& c : cases) {
    const TextExtent e = font->Measure(Utf8ToShiftJis(c.utf8));
    EXPECT_EQ(e.width, c.width) << c.utf8;
    EXPECT_EQ(e.height, c.height) << c.utf8;
  }
  // With caches the width is the byte length times the character step.
  auto cached = MakeFont(CachedDesc());
  ASSERT_NE(cached->Cache(), nullptr);
  EXPECT_EQ(cached->Measure(Utf8ToShiftJis("ab\nあいう")).width, 6 * 8);
}

TEST_F(SystemFontTest, LinesAreDrawnOneLineStepApart) {
  InitDevice(32);
  for (int lineStep : {16, 24}) {
    for (bool withCache : {false, true}) {
      DDClear(dd_, dd_.BackBuffer, 0);
      const uint32_t background = dd_.BackBuffer.Row<uint32_t>(0)[0];
      SystemFontDesc desc = withCache ? CachedDesc() : MessageFontDesc();
      desc.lineStep = lineStep;
      auto font = MakeFont(desc);
      const int top = 100;
      font->Draw(dd_.BackBuffer, 40, top, Utf8ToShiftJis("あ\nい\nう"));
      const auto rows = InkRows(background);
      ASSERT_FALSE(rows.empty());
      // Every inked row belongs to one of the three line bands, and each band has ink.
      for (int line = 0; line < 3; ++line) {
        const int bandTop = top + line * lineStep;
        EXPECT_TRUE(std::any_of(rows.begin(), rows.end(), [&](int y) { return y >= bandTop && y < bandTop + 16; }))
            << "line " << line << " step " << lineStep << " cache " << withCache;
      }
      for (int y : rows) {
        const int offset = (y - top) % lineStep;
        EXPECT_TRUE(y >= top && y < top + 3 * lineStep && offset < 16) << y;
      }
    }
  }
}

TEST_F(SystemFontTest, CachesNeedBothStepsAndTheirGridFollowsTheDevice) {
  struct Case {
    int direct3D;
    int charStep;
    int lineStep;
    int cacheSwitch;
    bool cached;
    int columns;
    int rows;
  };
  const Case cases[] = {
      {0, 8, 16, 2, true, 32, 30},   // 640 / 8 = 80 -> 32; 480 / 16 = 30
      {1, 8, 16, 2, true, 32, 32},   // 1024 / 8 and 1024 / 16, both capped at 32
      {0, 40, 40, 1, true, 16, 12},
      {1, 40, 40, 1, true, 25, 25},
      {0, 0, 16, 2, false, 0, 0},    // the shipped description: no character step
      {0, 8, 16, 0, false, 0, 0},    // caches switched off
  };
  for (const Case& c : cases) {
    diag_.debugLines.clear();
    InitDevice(32, c.direct3D);
    SystemFontDesc desc = MessageFontDesc();
    desc.charStep = c.charStep;
    desc.lineStep = c.lineStep;
    desc.cacheSwitch = c.cacheSwitch;
    auto font = MakeFont(desc);
    ASSERT_TRUE(font->Usable());
    ASSERT_EQ(font->Cache() != nullptr, c.cached) << c.charStep << " " << c.cacheSwitch;
    const bool warned = std::count(diag_.debugLines.begin(), diag_.debugLines.end(),
                                   "※フォントクラスで文字間が未設定！") == 1;
    EXPECT_EQ(warned, c.cacheSwitch != 0 && !c.cached);
    if (c.cached) {
      EXPECT_EQ(font->Cache()->Columns(), c.columns);
      EXPECT_EQ(font->Cache()->Rows(), c.rows);
    }
  }
}

TEST_F(SystemFontTest, FullWidthCacheStartsWithTheCommonCharactersAndGrowsOnDemand) {
  InitDevice(32);
  auto font = MakeFont(CachedDesc());
  const SystemFontCache* cache = font->Cache();
  ASSERT_NE(cache, nullptr);
  EXPECT_EQ(cache->FullWidthCount(), 256);
  EXPECT_EQ(InitialFullWidthCodes().size(), 256u);

  // Characters of the initial list and half-width ones never call the rasteriser.
  renders_ = 0;
  font->Draw(dd_.BackBuffer, 0, 0, Utf8ToShiftJis("あア０ＡＺ：abc ｱｲ"));
  EXPECT_EQ(renders_, 0);
  EXPECT_EQ(cache->RenderedOnDemand(), 0);

  // New full-width characters are rendered once and kept.
  font->Draw(dd_.BackBuffer, 0, 0, Utf8ToShiftJis("漢字漢"));
  EXPECT_EQ(renders_, 2);
  EXPECT_EQ(cache->FullWidthCount(), 258);
  font->Draw(dd_.BackBuffer, 0, 20, Utf8ToShiftJis("字漢\n漢"));
  EXPECT_EQ(renders_, 2);
  EXPECT_EQ(cache->RenderedOnDemand(), 2);
}

TEST_F(SystemFontTest, ShutdownReportCountsTheCachedGlyphsOfTheSixteenPixelFont) {
  InitDevice(32);
  std::string error;
  SystemFontDesc cached = CachedDesc();
  auto set = SystemFontSet::Create(dd_, *library_, {cached}, error);
  ASSERT_NE(set, nullptr) << error;
  set->Message().Draw(dd_.BackBuffer, 0, 0, Utf8ToShiftJis("鳥"));
  EXPECT_EQ(set->ShutdownReport(), std::optional<std::string>("Font16 : 257"));

  auto shipped = SystemFontSet::Create(dd_, *library_, {MessageFontDesc()}, error);
  ASSERT_NE(shipped, nullptr) << error;
  EXPECT_EQ(shipped->ShutdownReport(), std::nullopt);
  EXPECT_EQ(SystemFontSet::Create(dd_, *library_, {}, error), nullptr);
}

TEST_F(SystemFontTest, InkTakesTheTextColourOverTheDestinationInEveryDepth) {
  for (int bits : {8, 16, 32}) {
    InitDevice(bits);
    SystemFontDesc desc = MessageFontDesc();
    desc.textColor = 200;
    auto font = MakeFont(desc);
    DDClear(dd_, dd_.BackBuffer, 16);
    const std::vector<uint8_t> before = dd_.BackBuffer.pixels;
    font->Draw(dd_.BackBuffer, 10, 10, Utf8ToShiftJis("■"));
    const uint32_t ink = PalNumToPixel(dd_, 200);
    const uint32_t ground = PalNumToPixel(dd_, 16);
    int full = 0, changed = 0;
    for (int y = 0; y < dd_.BackBuffer.height; ++y) {
      for (int x = 0; x < dd_.BackBuffer.width; ++x) {
        uint32_t p = 0;
        std::copy_n(&dd_.BackBuffer.pixels[y * dd_.BackBuffer.pitch + x * (bits / 8)], bits / 8,
                    reinterpret_cast<uint8_t*>(&p));
        if (p != ground) {
          ++changed;
          EXPECT_TRUE(x >= 10 && x < 26 && y >= 10 && y < 26) << bits << ": " << x << "," << y;
        }
        if (p == ink) ++full;
      }
    }
    EXPECT_GT(full, 100) << bits;  // the square's inside takes the exact colour
    if (bits == 8) {
      EXPECT_EQ(full, changed);  // no blending in an indexed picture
    }
  }
}

TEST_F(SystemFontTest, TextsCrossingTheEdgesAreClipped) {
  InitDevice(32);
  auto font = MakeFont(MessageFontDesc());
  const std::string square = Utf8ToShiftJis("■");
  struct Case {
    int x, y;           // where the 16 x 16 square is drawn
    int left, top;      // the part of it that lies on the picture
    int right, bottom;
  };
  const Case cases[] = {
      {-8, -8, 0, 0, 8, 8},
      {632, 472, 632, 472, 640, 480},
      {-1000, 5, 0, 0, 0, 0},
      {5, 1000, 0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    DDClear(dd_, dd_.BackBuffer, 0);
    const uint32_t background = dd_.BackBuffer.Row<uint32_t>(0)[0];
    font->Draw(dd_.BackBuffer, c.x, c.y, square);
    int inside = 0;
    for (int y = 0; y < 480; ++y) {
      for (int x = 0; x < 640; ++x) {
        if (dd_.BackBuffer.Row<uint32_t>(y)[x] == background) continue;
        EXPECT_TRUE(x >= c.left && x < c.right && y >= c.top && y < c.bottom) << x << "," << y;
        ++inside;
      }
    }
    EXPECT_EQ(inside > 0, c.right > c.left) << c.x << "," << c.y;
  }
  // A block wider than the picture is cut at the work area, not overrun.
  font->Draw(dd_.BackBuffer, 0, 0, std::string(200, 'W'));
  EXPECT_NE(dd_.BackBuffer.Row<uint32_t>(8)[636], dd_.BackBuffer.Row<uint32_t>(200)[320]);
}

TEST_F(SystemFontTest, SplitsShiftJisIntoCharacters) {
  const std::string text = Utf8ToShiftJis("aあｱ漢");
  const auto codes = SplitShiftJis(text);
  ASSERT_EQ(codes.size(), 4u);
  EXPECT_EQ(codes[0], 'a');
  EXPECT_EQ(codes[1], 0x82A0);
  EXPECT_EQ(codes[2], 0xB1);
  EXPECT_EQ(codes[3], 0x8ABF);
  // A lead byte at the very end stands alone.
  EXPECT_EQ(SplitShiftJis("\x82"), std::vector<uint16_t>{0x82});
}

}  // namespace
}  // namespace vh::draw
