// Every picture the game names exists in the generated data folder, loads the
// way the game loads it at each colour depth, and shares the one palette.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "draw/BitmapList.h"
#include "draw/BmpReader.h"
#include "draw/DrawDevice.h"
#include "draw/PaletteOps.h"
#include "draw/Surfaces.h"
#include "platform/Diagnostics.h"
#include "platform/PathMapping.h"
#include "platform/TextEncoding.h"
#include "stage/Stage.h"

namespace vh {
namespace {

struct Picture {
  std::string file;  // as the game names it: a Windows path in Shift-JIS
  bool keyed;
};

// The bitmap list's files and the stage backgrounds, each once.
std::vector<Picture> GamePictures() {
  std::vector<Picture> pictures;
  std::set<std::string> seen;
  for (const draw::BitmapListEntry& entry : draw::MakeBitmapList()) {
    if (entry.fileName == "E" || !seen.insert(entry.fileName).second) continue;
    pictures.push_back({entry.fileName, entry.colorKey != 0});
  }
  for (int i = 0; i < stage::kBackgroundCount; ++i) {
    pictures.push_back({platform::Utf8ToShiftJis(stage::BackgroundPictureOf(i).fileName), false});
  }
  return pictures;
}

std::filesystem::path OnDisk(const std::string& file) {
  return platform::MapPath(VH_GAME_DIR, file);
}

TEST(DefaultPictures, LoadAtEveryDepthWithoutAComplaint) {
  for (int bits : {8, 16, 32}) {
    platform::RecordingDiagnostics diagnostics;
    draw::DrawDevice dd(diagnostics, VH_GAME_DIR);
    draw::DDInitParams params;
    params.direct3D = bits == 8 ? 0 : 1;
    params.colorBits = bits;
    ASSERT_TRUE(draw::DDInit(dd, params));
    const std::string palette = dd.bitmapList[draw::kBmpPalette].fileName;
    ASSERT_TRUE(draw::DDLoadPaletteFromFile(dd, dd.TruePalette, palette));
    ASSERT_TRUE(draw::DDSetTransmit(dd, palette));
    for (const Picture& picture : GamePictures()) {
      draw::SurfaceDesc slot;
      EXPECT_EQ(draw::DDCreateSurfaceFromFile(dd, slot, picture.file, picture.keyed, 0, 0, 0, 0, 0),
                draw::kCreateOk)
          << picture.file << " at " << bits << " bits";
      draw::DDReleaseSurface(slot);
    }
    EXPECT_TRUE(diagnostics.reports.empty()) << diagnostics.reports.front();
    EXPECT_TRUE(diagnostics.errorBoxes.empty());
    draw::DDRelease(dd);
  }
}

TEST(DefaultPictures, ShareThePaletteAndKeepTheKeyColourForKeyedOnes) {
  const draw::BmpResult palette = draw::LoadBmpFile(OnDisk("bmp\\Palette.bmp"));
  ASSERT_TRUE(palette.ok) << palette.error;
  for (const Picture& picture : GamePictures()) {
    const draw::BmpResult bmp = draw::LoadBmpFile(OnDisk(picture.file));
    ASSERT_TRUE(bmp.ok) << picture.file << ": " << bmp.error;
    EXPECT_EQ(bmp.image.bitCount, 8) << picture.file;
    ASSERT_EQ(bmp.image.colorTable.size(), palette.image.colorTable.size()) << picture.file;
    for (size_t i = 0; i < bmp.image.colorTable.size(); ++i) {
      const draw::Rgb a = bmp.image.colorTable[i];
      const draw::Rgb b = palette.image.colorTable[i];
      ASSERT_TRUE(a.red == b.red && a.green == b.green && a.blue == b.blue) << picture.file << " entry " << i;
    }
    // Index 0 is the transparent colour: an unkeyed picture that used it
    // would show magenta. The palette picture shows every entry.
    if (!picture.keyed && picture.file != "bmp\\Palette.bmp") {
      for (uint8_t index : bmp.image.indices) ASSERT_NE(index, 0) << picture.file;
    }
  }
}

}  // namespace
}  // namespace vh
