#include <gtest/gtest.h>

#include "DrawTestSupport.h"

namespace vh::draw::test {
namespace {

// An 8-bit screen with a few solid source surfaces: what a pixel shows names
// the palette number it was drawn with.
struct Screen {
  TestDevice t{{0, 8, "plain8"}};
  DrawDevice& dd = *t.dd;
  SurfaceDesc& dst = dd.BackBuffer;

  Screen() {
    EXPECT_TRUE(t.ready);
    DDClear(dd, dst, 1);
  }
  SurfaceDesc& Solid(int slot, int w, int h, int palNum, int colorKey = 0) {
    SurfaceDesc& s = dd.SurfaceTable[slot];
    EXPECT_TRUE(DDCreateSurface(dd, s, w, h, colorKey, 0, 0, 0));
    DDFillRect(dd, s, 0, 0, w, h, palNum);
    return s;
  }
  int At(int x, int y) const { return int(PixelAt(dst, x, y)); }
  // The drawn columns of one row: [first, end), or {-1, -1} when none.
  std::pair<int, int> Span(int y, int background = 1) const {
    int first = -1, end = -1;
    for (int x = 0; x < dst.width; ++x)
      if (At(x, y) != background) {
        if (first < 0) first = x;
        end = x + 1;
      }
    return {first, end};
  }
};

struct SpinCase {
  int phase;
  int inset;  // how far each edge has moved in
  bool back;
};

TEST(Effects, SpinPhasesTurnTheCard) {
  // A card 8 wide: the front narrows, the back widens, the back narrows, the front widens.
  const SpinCase cases[] = {
      {0, 0, false}, {1, 1, false}, {3, 3, false}, {4, 3, true},  {5, 2, true},  {7, 0, true},
      {8, 0, true},  {11, 3, true}, {12, 3, false}, {15, 0, false}, {16, 0, false}, {100, 3, true},
  };
  for (const int axis : {0, 1}) {
    for (const SpinCase& c : cases) {
      SCOPED_TRACE("axis " + std::to_string(axis) + " phase " + std::to_string(c.phase));
      Screen s;
      const SurfaceDesc& front = s.Solid(kBmpWork1, 8, 8, 50);
      const SurfaceDesc& back = s.Solid(kBmpWork2, 8, 8, 60);
      EXPECT_TRUE(DDBltSpin(s.dd, s.dst, 100, 200, 8, 8, front, 0, 0, back, 0, 0, 8, 8, 0, c.phase, axis));
      const int colour = c.back ? 60 : 50;
      for (int k = 0; k < 8; ++k) {
        const bool drawn = k >= c.inset && k < 8 - c.inset;
        const int x = axis == 0 ? 100 + k : 103;
        const int y = axis == 0 ? 203 : 200 + k;
        ASSERT_EQ(s.At(x, y), drawn ? colour : 1) << k;
      }
    }
  }
  Screen s;
  const SurfaceDesc& card = s.Solid(kBmpWork1, 8, 8, 50);
  EXPECT_FALSE(DDBltSpin(s.dd, s.dst, 0, 0, 8, 8, card, 0, 0, card, 0, 0, 8, 8, 0, 3, 2));
  EXPECT_FALSE(DDBltSpin(s.dd, s.dst, 0, 0, 8, 8, card, 0, 0, card, 0, 0, 8, 8, 0, -1, 0));
  EXPECT_FALSE(DDBltSpin(s.dd, s.dst, 0, 0, 1, 8, card, 0, 0, card, 0, 0, 8, 8, 0, 3, 0));
  EXPECT_EQ(s.Span(0), std::make_pair(-1, -1));
}

TEST(Effects, SplitPushesEachQuarterOutward) {
  Screen s;
  SurfaceDesc& pic = s.Solid(kBmpWork1, 10, 6, 40);
  DDFillRect(s.dd, pic, 5, 0, 5, 3, 41);
  DDFillRect(s.dd, pic, 0, 3, 5, 3, 42);
  DDFillRect(s.dd, pic, 5, 3, 5, 3, 43);
  EXPECT_TRUE(DDBltSplit4(s.dd, s.dst, 50, 60, 10, 6, pic, 0, 0, 4, 0));
  struct Quarter {
    int x, y, colour;
  } quarters[] = {{46, 56, 40}, {59, 56, 41}, {46, 67, 42}, {59, 67, 43}};
  int drawn = 0;
  for (int y = 0; y < 480; ++y)
    for (int x = 0; x < 640; ++x) drawn += s.At(x, y) != 1;
  EXPECT_EQ(drawn, 60);
  for (const Quarter& q : quarters)
    for (int y = q.y; y < q.y + 3; ++y)
      for (int x = q.x; x < q.x + 5; ++x) ASSERT_EQ(s.At(x, y), q.colour) << x << "," << y;
}

TEST(Effects, CircleSpansFollowTheChord) {
  // Radius 5, one-row bands: half chords trunc(sqrt(25 - k * k)) for rows k = -4..4.
  const int half[] = {3, 4, 4, 4, 5, 4, 4, 4, 3};
  struct Case {
    const char* name;
    int rightClip, halfHeightLimit;
  } cases[] = {{"whole", 640, 480}, {"right_clip", 102, 480}, {"half_height", 640, 2}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Screen s;
    const SurfaceDesc& disc = s.Solid(kBmpWork1, 10, 10, 70);
    CircleBlt b;
    b.dst = &s.dst;
    b.dx = 100;
    b.dy = 50;
    b.rightClip = c.rightClip;
    b.halfHeightLimit = c.halfHeightLimit;
    b.radius = 5;
    b.src = &disc;
    b.sx = 5;
    b.sy = 5;
    EXPECT_TRUE(DDBltCircle(s.dd, b));
    for (int k = -6; k <= 6; ++k) {
      const bool inBand = k >= -4 && k <= 4 && std::abs(k) <= c.halfHeightLimit;
      const int h = inBand ? half[k + 4] : 0;
      const int end = std::min(100 + h, c.rightClip);
      ASSERT_EQ(s.Span(50 + k), inBand ? std::make_pair(100 - h, end) : std::make_pair(-1, -1)) << k;
    }
  }
}

TEST(Effects, CircleCutsTheTransparentHoleOfTheDarknessMask) {
  Screen s;
  SurfaceDesc& mask = s.Solid(kBmpWork1, 64, 48, 16, 1);
  const SurfaceDesc& hole = s.Solid(kBmpWork2, 16, 16, 0, 1);
  CircleBlt b{&mask, 32, 24, 64, 48, 8, 1, &hole, 8, 8, 0};
  EXPECT_TRUE(DDBltCircle(s.dd, b));
  DDBlt(s.dd, s.dst, 0, 0, 64, 48, mask, 0, 0, 1);
  EXPECT_EQ(s.At(32, 24), 1);  // seen through the hole
  EXPECT_EQ(s.At(25, 24), 1);
  EXPECT_EQ(s.At(23, 24), 16);  // just outside the chord
  EXPECT_EQ(s.At(24, 17), 16);  // corner of the square around the disc stays dark
  EXPECT_EQ(s.At(0, 0), 16);
}

struct NumberCase {
  uint32_t value;
  int fieldWidth, centre;
  int firstX;
  std::string digits;
};

TEST(Effects, DrawNumberAlignsInItsField) {
  const NumberCase cases[] = {
      {7, 3, 0, 208, "7"},      {7, 3, 1, 204, "7"},       {0, 0, 0, 200, "0"},
      {305, 5, 1, 204, "305"},  {1234, 2, 0, 200, "1234"}, {4294967295u, 0, 0, 200, "4294967295"},
  };
  for (const NumberCase& c : cases) {
    SCOPED_TRACE(c.value);
    Screen s;
    SurfaceDesc& glyphs = s.Solid(kBmpWork1, 40, 6, 0, 1);
    for (int d = 0; d < 10; ++d) DDFillRect(s.dd, glyphs, 4 * d, 0, 4, 6, 100 + d);
    EXPECT_TRUE(DDDrawNumber(s.dd, s.dst, 200, 30, 4, 6, glyphs, 0, 0, 1, c.value, c.fieldWidth, c.centre));
    EXPECT_EQ(s.Span(32), std::make_pair(c.firstX, c.firstX + 4 * int(c.digits.size())));
    for (size_t i = 0; i < c.digits.size(); ++i)
      EXPECT_EQ(s.At(c.firstX + 4 * int(i) + 1, 30), 100 + (c.digits[i] - '0')) << i;
  }
}

TEST(Effects, FrameAndWindow) {
  Screen s;
  EXPECT_TRUE(DDFrameRect(s.dd, s.dst, 10, 20, 8, 7, 2, 9));
  for (int y = 18; y < 29; ++y)
    for (int x = 8; x < 20; ++x) {
      const bool inRect = x >= 10 && x < 18 && y >= 20 && y < 27;
      const bool inBand = inRect && (x < 12 || x >= 16 || y < 22 || y >= 25);
      ASSERT_EQ(s.At(x, y), inBand ? 9 : 1) << x << "," << y;
    }

  Screen w;
  SurfaceDesc& picture = w.Solid(kBmpWindow, 30, 30, 0, 1);
  DDFillRect(w.dd, picture, 0, 0, 6, 4, 33);
  EXPECT_TRUE(DDDrawWindow(w.dd, w.dst, 100, 100, 6, 4, picture, 1, 31));
  for (int y = 99; y < 105; ++y)
    for (int x = 99; x < 107; ++x) {
      const bool inside = x >= 100 && x < 106 && y >= 100 && y < 104;
      ASSERT_EQ(w.At(x, y), inside ? 33 : 31) << x << "," << y;
    }
  EXPECT_EQ(w.At(98, 99), 1);
  EXPECT_EQ(w.At(107, 105), 1);
}

TEST(Effects, WindowTextDrawsTheTextAtTheIndent) {
  Screen s;
  SurfaceDesc& picture = s.Solid(kBmpWindow, 40, 20, 33);
  SurfaceDesc& font = s.Solid(kBmpDebug, 128, 256, 0, 1);
  DDFillRect(s.dd, font, ('A' & 15) * 8, ('A' >> 4) * 16, 8, 16, 77);
  DDDrawWindowText(s.dd, s.dst, 10, 10, 40, 20, picture, 2, 31, font, 8, 16, "A", 12);
  EXPECT_EQ(s.At(22, 10), 77);
  EXPECT_EQ(s.At(21, 10), 33);
  EXPECT_EQ(s.At(30, 10), 33);
  EXPECT_EQ(s.At(8, 8), 31);
}

}  // namespace
}  // namespace vh::draw::test
