#include <gtest/gtest.h>

#include "DrawTestSupport.h"
#include "platform/TextEncoding.h"

namespace vh::draw::test {
namespace {

// A picture on disk outside the data folder, loaded by its path at every
// depth: colours as the game shows them, transparent pixels as a checkerboard.
TEST(BitmapPreview, ShowsColoursAndTheTransmitColourAsCheckerboard) {
  for (const Mode& mode : kAllModes) {
    for (const int colorKey : {0, 1}) {
      SCOPED_TRACE(std::string(mode.name) + " key " + std::to_string(colorKey));
      TestDevice t(mode);
      ASSERT_TRUE(t.ready);
      TempDataFolder elsewhere;
      const std::filesystem::path file = elsewhere.root() / "ピクチャ.bmp";
      WriteFile(file, PalettePicture(20, 12, [](int x, int y) { return x >= 10 && y < 8 ? 0u : 70u; }));
      SurfaceDesc surface;
      ASSERT_EQ(CreateSurfaceFromPath(*t.dd, surface, file, colorKey, 0, 0), kCreateOk);
      EXPECT_EQ(surface.szFileName, platform::Utf8ToShiftJis(file.string()));
      const std::vector<uint32_t> preview = PreviewSurface(*t.dd, surface);
      ASSERT_EQ(preview.size(), 240u);
      EXPECT_EQ(preview[0], ShownPalNum(*t.dd, 70));
      const uint32_t key = ShownPalNum(*t.dd, 0);
      EXPECT_EQ(preview[10], colorKey ? kCheckerDark : key);        // (10, 0)
      EXPECT_EQ(preview[16], colorKey ? kCheckerLight : key);       // (16, 0)
      EXPECT_EQ(preview[7 * 20 + 17], colorKey ? kCheckerLight : key);  // (17, 7)
      EXPECT_EQ(preview[8 * 20 + 17], ShownPalNum(*t.dd, 70));
    }
  }
}

TEST(BitmapPreview, DamagedFileOnDiskIsRefused) {
  TestDevice t({0, 16, "plain16"});
  ASSERT_TRUE(t.ready);
  TempDataFolder elsewhere;
  const std::filesystem::path file = elsewhere.root() / "cut.bmp";
  std::vector<uint8_t> bytes = PalettePicture(20, 12, [](int, int) { return 1u; });
  bytes.resize(bytes.size() / 2);
  WriteFile(file, bytes);
  SurfaceDesc surface;
  EXPECT_EQ(CreateSurfaceFromPath(*t.dd, surface, file, 1, 0, 0), kCreateLoadImageErr);
  EXPECT_FALSE(surface.Exists());
}

}  // namespace
}  // namespace vh::draw::test
