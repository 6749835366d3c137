#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "platform/fonts/FontLibrary.h"

namespace vh::platform {
namespace {

class FontFaceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    library_ = FontLibrary::Create(error);
    ASSERT_NE(library_, nullptr) << error;
  }

  std::unique_ptr<FontFace> Open(int size, GlyphRendering rendering = GlyphRendering::Smooth) {
    std::string error;
    auto face = OpenJapaneseGothic(*library_, size, rendering, error);
    EXPECT_NE(face, nullptr) << error;
    return face;
  }

  static int Ink(const AlphaBitmap& b) {
    return static_cast<int>(std::count_if(b.alpha.begin(), b.alpha.end(), [](uint8_t a) { return a > 0; }));
  }

  std::unique_ptr<FontLibrary> library_;
};

TEST_F(FontFaceTest, FindsAJapaneseFaceThatCoversKanaAndFullWidthForms) {
  const auto location = library_->FindJapaneseGothic();
  ASSERT_TRUE(location.has_value());
  auto face = Open(16);
  ASSERT_NE(face, nullptr);
  for (char32_t c : {U'あ', U'ア', U'漢', U'０', U'A'}) EXPECT_TRUE(face->HasGlyph(c)) << int(c);
}

TEST_F(FontFaceTest, OpeningRefusesBadSizesAndMissingFiles) {
  std::string error;
  const auto location = library_->FindJapaneseGothic();
  ASSERT_TRUE(location.has_value());
  for (int size : {0, -3, 5000}) {
    error.clear();
    EXPECT_EQ(library_->OpenFace(*location, size, GlyphRendering::Smooth, error), nullptr);
    EXPECT_NE(error.find("size"), std::string::npos) << error;
  }
  error.clear();
  EXPECT_EQ(library_->OpenFace({"/nonexistent/face.ttf", 0}, 16, GlyphRendering::Smooth, error),
            nullptr);
  EXPECT_NE(error.find("/nonexistent/face.ttf"), std::string::npos) << error;
}

// The gothic face is monospaced: full-width characters take a whole em and
// half-width ones half of it, so text laid out in cells lines up.
TEST_F(FontFaceTest, FullAndHalfWidthAdvancesFollowTheEm) {
  for (int size : {10, 16, 32}) {
    auto face = Open(size);
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->Advance(U'あ'), size) << size;
    EXPECT_EQ(face->Advance(U'Ａ'), size) << size;
    EXPECT_EQ(face->Advance(U'A'), size / 2) << size;
    EXPECT_EQ(face->MeasureLine("あいう"), 3 * size) << size;
    EXPECT_EQ(face->MeasureLine("AB あ"), 2 * (size / 2) + size / 2 + size) << size;
  }
}

TEST_F(FontFaceTest, MetricsDescribeEveryRenderedLine) {
  auto face = Open(16);
  ASSERT_NE(face, nullptr);
  const FaceMetrics m = face->Metrics();
  EXPECT_GT(m.ascent, 0);
  EXPECT_GE(m.descent, 0);
  EXPECT_EQ(m.height, m.ascent + m.descent);
  EXPECT_GE(m.lineSkip, m.height);
  const AlphaBitmap line = face->RenderLine("Aあ漢");
  EXPECT_EQ(line.width, face->MeasureLine("Aあ漢"));
  EXPECT_EQ(line.height, m.height);
  EXPECT_EQ(line.alpha.size(), static_cast<size_t>(line.width * line.height));
  EXPECT_GT(Ink(line), 0);
}

TEST_F(FontFaceTest, GlyphsAreAdvanceWideAndInkStaysInTheirCell) {
  auto face = Open(16);
  ASSERT_NE(face, nullptr);
  const AlphaBitmap glyph = face->RenderGlyph(U'あ');
  EXPECT_EQ(glyph.width, 16);
  EXPECT_EQ(glyph.height, face->Metrics().height);
  EXPECT_GT(Ink(glyph), 10);
  // A blank renders no ink but still takes its advance.
  const AlphaBitmap blank = face->RenderGlyph(U' ');
  EXPECT_EQ(blank.width, 8);
  EXPECT_EQ(Ink(blank), 0);
}

TEST_F(FontFaceTest, EmptyTextAndMissingGlyphsTakeNoRoom) {
  auto face = Open(16);
  ASSERT_NE(face, nullptr);
  EXPECT_EQ(face->MeasureLine(""), 0);
  EXPECT_EQ(face->RenderLine("").width, 0);
  const char32_t unassigned = 0x10FFFD;  // private use, in no face
  EXPECT_FALSE(face->HasGlyph(unassigned));
  EXPECT_EQ(face->Advance(unassigned), 0);
  EXPECT_EQ(face->RenderGlyph(unassigned).width, 0);
}

TEST_F(FontFaceTest, MonoRenderingIsTwoLevelAndSmoothIsNot) {
  auto mono = Open(10, GlyphRendering::Mono);
  auto smooth = Open(10, GlyphRendering::Smooth);
  ASSERT_NE(mono, nullptr);
  ASSERT_NE(smooth, nullptr);
  const AlphaBitmap crisp = mono->RenderLine("あア漢A");
  ASSERT_GT(Ink(crisp), 0);
  EXPECT_TRUE(std::all_of(crisp.alpha.begin(), crisp.alpha.end(), [](uint8_t a) { return a == 0 || a == 255; }));
  const AlphaBitmap soft = smooth->RenderLine("あア漢A");
  EXPECT_TRUE(std::any_of(soft.alpha.begin(), soft.alpha.end(), [](uint8_t a) { return a > 0 && a < 255; }));
}

TEST_F(FontFaceTest, FacesOutliveTheirLibrary) {
  auto face = Open(16);
  ASSERT_NE(face, nullptr);
  library_.reset();
  EXPECT_EQ(face->RenderGlyph(U'あ').width, 16);
}

}  // namespace
}  // namespace vh::platform
