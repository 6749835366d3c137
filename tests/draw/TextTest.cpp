#include <gtest/gtest.h>

#include "DrawTestSupport.h"

namespace vh::draw::test {
namespace {

constexpr int kCellW = 8;
constexpr int kCellH = 16;

// At 8 bits, a font whose cell for code b is filled with palette number b:
// what a cell of the screen shows names the glyph drawn there. Cell 0 is the
// transmit colour.
struct FontScreen {
  TestDevice t{{0, 8, "plain8"}};
  DrawDevice& dd = *t.dd;
  SurfaceDesc& font = dd.SurfaceTable[kBmpDebug];

  FontScreen() {
    EXPECT_TRUE(t.ready);
    EXPECT_TRUE(DDCreateSurface(dd, font, 16 * kCellW, 16 * kCellH, 1, 0, 0, 0));
    for (int code = 1; code < 256; ++code)
      DDFillRect(dd, font, (code & 15) * kCellW, (code >> 4) * kCellH, kCellW, kCellH, code);
    DDClear(dd, dd.BackBuffer, 0);
  }

  int CodeAt(int x, int y) const { return int(PixelAt(dd.BackBuffer, x, y)); }

  int DrawnPixels() const {
    int n = 0;
    for (uint8_t p : dd.BackBuffer.pixels) n += p != 0;
    return n;
  }
};

struct Glyph {
  int x, y, code;
};

struct TextCase {
  const char* name;
  std::string text;
  int x, y;
  std::vector<Glyph> glyphs;
};

TEST(Text, MarkersLineBreaksAndSkippedBytes) {
  const TextCase cases[] = {
      {"plain", "AB", 10, 20, {{10, 20, 'A'}, {18, 20, 'B'}}},
      {"blank_is_drawn", "A B", 0, 0, {{0, 0, 'A'}, {8, 0, ' '}, {16, 0, 'B'}}},
      {"colon_breaks", "A:B", 40, 0, {{40, 0, 'A'}, {40, 16, 'B'}}},
      {"line_feed_breaks", "A\nBC", 40, 0, {{40, 0, 'A'}, {40, 16, 'B'}, {48, 16, 'C'}}},
      {"dollar_skipped", "A$B", 0, 0, {{0, 0, 'A'}, {8, 0, 'B'}}},
      {"trailing_marker", std::string(Sjis("^ｴﾃﾞｨｯﾄ@")), 0, 0,
       {{0, 0, 0xB4}, {8, 0, 0xC3}, {16, 0, 0xDE}, {24, 0, 0xA8}, {32, 0, 0xAF}, {40, 0, 0xC4}}},
      // Without a marker kana are hiragana: 0xA6-0xBF ten rows up, 0xC0-0xDD four rows up.
      {"hiragana_default", std::string(Sjis("ｱｿﾌﾞ")), 0, 0,
       {{0, 0, 0xB1 - 0xA0}, {8, 0, 0xBF - 0xA0}, {16, 0, 0xCC - 0x40}, {24, 0, 0xDE}}},
      {"switching", std::string(Sjis("^ﾀｲﾄﾙ@ﾍﾓﾄﾞﾙ")), 0, 0,
       {{0, 0, 0xC0}, {8, 0, 0xB2}, {16, 0, 0xC4}, {24, 0, 0xD9},
        {32, 0, 0x8D}, {40, 0, 0x93}, {48, 0, 0x84}, {56, 0, 0xDE}, {64, 0, 0x99}}},
      {"single_glyph_codes", std::string(Sjis("｡･ｦ")), 0, 0, {{0, 0, 0xA1}, {8, 0, 0xA5}, {16, 0, 0x06}}},
      {"stops_at_nul", std::string("A\0B", 3), 0, 0, {{0, 0, 'A'}}},
  };
  for (const TextCase& c : cases) {
    SCOPED_TRACE(c.name);
    FontScreen s;
    DDTextOut(s.dd, s.dd.BackBuffer, c.x, c.y, kCellW, kCellH, s.font, c.text);
    for (const Glyph& g : c.glyphs) {
      EXPECT_EQ(s.CodeAt(g.x, g.y), g.code) << "at " << g.x << "," << g.y;
      EXPECT_EQ(s.CodeAt(g.x + kCellW - 1, g.y + kCellH - 1), g.code);
    }
    EXPECT_EQ(s.DrawnPixels(), int(c.glyphs.size()) * kCellW * kCellH);
  }
}

TEST(Text, AdvanceOf640PixelsContinuesOneLineLowerAtX) {
  FontScreen s;
  DDTextOut(s.dd, s.dd.BackBuffer, 64, 100, kCellW, kCellH, s.font, std::string(81, 'A') + "B");
  EXPECT_EQ(s.CodeAt(632, 100), 'A');  // the 72nd glyph; the 73rd..80th fall off the screen
  EXPECT_EQ(s.CodeAt(63, 116), 0);
  EXPECT_EQ(s.CodeAt(64, 116), 'A');  // the 81st
  EXPECT_EQ(s.CodeAt(72, 116), 'B');
}

TEST(Text, PrintfFormatsThenDraws) {
  FontScreen s;
  DDPrintf(s.dd, s.dd.BackBuffer, 584, 460, kCellW, kCellH, s.font, "FPS %2d", 7);
  const char* want = "FPS  7";
  for (int i = 0; i < 6; ++i) EXPECT_EQ(s.CodeAt(584 + 8 * i, 460), want[i]) << i;

  FontScreen colon;
  DDPrintf(colon.dd, colon.dd.BackBuffer, 0, 0, kCellW, kCellH, colon.font, "%s", "1:2");
  EXPECT_EQ(colon.CodeAt(0, 0), '1');
  EXPECT_EQ(colon.CodeAt(0, 16), '2');
  EXPECT_EQ(colon.DrawnPixels(), 2 * kCellW * kCellH);
}

TEST(Text, PrintfKeepsAtMost255Characters) {
  FontScreen s;
  DDPrintf(s.dd, s.dd.BackBuffer, 0, 0, kCellW, kCellH, s.font, "%s", std::string(300, 'A').c_str());
  EXPECT_EQ(s.DrawnPixels(), 255 * kCellW * kCellH);
  EXPECT_EQ(s.CodeAt(14 * kCellW, 3 * kCellH), 'A');  // the 255th glyph, on the fourth line
  EXPECT_EQ(s.CodeAt(15 * kCellW, 3 * kCellH), 0);
}

TEST(Text, SjisLiteralGivesSingleBytes) {
  constexpr auto text = Sjis("A^ｱﾟ｡");
  EXPECT_EQ(text.view(), std::string_view("A^\xB1\xDF\xA1"));
  EXPECT_EQ(text.c_str()[text.size], '\0');
}

}  // namespace
}  // namespace vh::draw::test
