#include "stage/LegacyStageFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "OlderFixture.h"
#include "SampleStage.h"
#include "StageTestSupport.h"
#include "stage/EditorConfig.h"
#include "stage/PaletteFile.h"
#include "stage/ParamDesc.h"

namespace vh::stage {
namespace {

class OlderStage : public ::testing::Test {
 protected:
  LoadResult LoadFixture(const char* name, bool forEditor) {
    test::WriteBytes(dir / name, test::BuildOlderStageFile());
    StageLoadRequest request;
    request.path = dir / name;
    request.forEditor = forEditor;
    request.data.root = dir.path();
    return LoadStageFile(request, loaded);
  }

  test::TempDir dir;
  LoadedStage loaded;
};

TEST_F(OlderStage, CommittedFixtureIsTheOneBuiltHere) {
  const char* data = std::getenv("VH_TEST_DATA");
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(test::ReadBytes(std::filesystem::path(data) / "stage" / "older16.stg3_120"),
            test::BuildOlderStageFile());
}

TEST_F(OlderStage, NarrowStageBecomesA32By21Stage) {
  const LoadResult result = LoadFixture("old.stg3_120", true);
  ASSERT_TRUE(result.ok()) << result.message;
  ASSERT_TRUE(result.missingDefaultPalette.has_value());
  EXPECT_EQ(*result.missingDefaultPalette, "user_data\\plt3\\default.plt3p");
  EXPECT_TRUE(loaded.olderFormat);

  const StageSettings& s = loaded.stage.settings;
  EXPECT_EQ(s.widthChips, 32);
  EXPECT_EQ(s.widthPixels, 1024);
  EXPECT_EQ(s.widthShift, 5);
  EXPECT_EQ(s.heightChips, 21);
  EXPECT_EQ(s.heightPixels, 672);
  EXPECT_EQ(s.backgroundIndex, 2);
  EXPECT_EQ(s.timeLimit, 200);
  EXPECT_EQ(s.initialFlags, 5u);
  EXPECT_EQ(s.autoScrollX, 10);
  EXPECT_EQ(s.autoScrollY, 0);
  EXPECT_STREQ(s.bgmPath, "midi\\a.mid");
  EXPECT_EQ(s.frameRate, 60);
  EXPECT_EQ(s.hitTestLevel, 10);
  EXPECT_EQ(s.gravity, 0.4);
  EXPECT_EQ(s.scrollMinX, 0);
  EXPECT_EQ(s.scrollMaxX, 12);
  EXPECT_EQ(s.scrollMinY, 3);
  EXPECT_EQ(s.scrollMaxY, 3);

  const StageMap& map = loaded.stage.map;
  ASSERT_EQ(map.Width(), 32);
  ASSERT_EQ(map.Height(), 21);
  EXPECT_EQ(loaded.stage.undoMap.Width(), 32);
  EXPECT_EQ(loaded.stage.undoMap.Height(), 21);
  for (int y = 0; y < 21; ++y)
    for (int x = 16; x < 32; ++x) EXPECT_EQ(map.Cell(map.IndexOf(x, y)), CellRecord{}) << x << "," << y;
  EXPECT_EQ(map.Block(map.IndexOf(0, 20)).graphic, 1);
  EXPECT_EQ(map.Block(map.IndexOf(0, 20)).ignoreFaction, -1);
  EXPECT_EQ(map.Block(map.IndexOf(9, 9)).ignoreFaction, -1);
  const BlockDef& marked = map.Block(map.IndexOf(3, 4));
  EXPECT_EQ(marked.graphic, 5);
  EXPECT_EQ(marked.ignoreFaction, 1);
  for (int k = 0; k < 4; ++k) {
    EXPECT_EQ(marked.reserved[k], 9);  // bytes 8..11 carried over
    EXPECT_EQ(marked.reserved[4 + k], 0);
  }
}

TEST_F(OlderStage, CharactersGetNewKindsGroupsFactionsAndActions) {
  ASSERT_TRUE(LoadFixture("old.stg3_120", false).ok());
  const StageMap& map = loaded.stage.map;
  const CharDef& player = map.Char(map.IndexOf(2, 19));
  EXPECT_EQ(player.kind, kCharPlayer);
  EXPECT_EQ(player.faction, 0);
  EXPECT_EQ(player.friction, 3);  // beyond the older record: default
  EXPECT_EQ(player.speed, 0);     // inside it: the older value
  EXPECT_EQ(loaded.stage.undoMap.CellCount(), 0);

  const CharDef& enemy = map.Char(map.IndexOf(5, 10));
  EXPECT_EQ(enemy.kind, kCharEnemy);
  EXPECT_EQ(enemy.faction, 1);
  EXPECT_EQ(enemy.group, 19);  // "5-XｶﾞﾒﾝﾅｲA"
  EXPECT_EQ(enemy.cloneRange, 4);
  EXPECT_EQ(enemy.hp, 10);
  EXPECT_EQ(enemy.friction, 3);
  const ActionDef& warp = enemy.actions[1];
  EXPECT_EQ(warp.actionType, 8);  // older 6
  EXPECT_EQ(warp.impact, 10);
  EXPECT_EQ(warp.faction, -1);
  EXPECT_EQ(warp.timing, 5);
  EXPECT_EQ(warp.hpCost, 1);
  EXPECT_EQ(warp.graphic, 2);
  EXPECT_EQ(warp.speed, 3);
  EXPECT_EQ(warp.cloneSpeed, 4);
  EXPECT_EQ(warp.reserved23[0], 0);
  EXPECT_EQ(enemy.actions[4].actionType, 5);  // older 4
  EXPECT_EQ(enemy.actions[4].impact, 15);     // moves keep a large step
  EXPECT_EQ(enemy.actions[0].actionType, 0);
  EXPECT_EQ(enemy.actions[0].faction, -1);

  const CharDef& other = map.Char(map.IndexOf(7, 10));
  EXPECT_EQ(other.group, 126);               // "ﾅｼ-^ｵｰﾙ@"
  EXPECT_EQ(other.actions[0].actionType, 3);  // older 3 stays
  EXPECT_EQ(other.actions[0].impact, 10);
  EXPECT_EQ(other.actions[11].actionType, 6);

  const ItemDef& item = map.Item(map.IndexOf(8, 3));
  EXPECT_EQ(item.graphic, 4);
  EXPECT_EQ(map.Message(map.IndexOf(8, 3)), std::string_view("ABC\0", 4));
  EXPECT_EQ(item.messageLength, 4);
  EXPECT_EQ(item.messagePause, 1);
  EXPECT_EQ(item.effectSound, 2);
  EXPECT_EQ(item.damage, kKeepsPlayerValue);  // beyond the older record
  EXPECT_EQ(item.scrollY, kKeepsPlayerValue);
}

TEST_F(OlderStage, PaletteIsConvertedOverTheDefaultOne) {
  ASSERT_TRUE(LoadFixture("old.stg3_120", false).ok());
  const Palette& p = loaded.palette;
  EXPECT_EQ(p.charNames[2], EntryName{});  // names come from the default palette
  EXPECT_EQ(p.entries[1].block.ignoreFaction, -1);
  EXPECT_EQ(p.entries[2].block.ignoreFaction, 0);
  const CharDef& enemy = p.entries[2].chara;
  EXPECT_EQ(enemy.kind, kCharEnemy);
  EXPECT_EQ(enemy.faction, 1);
  EXPECT_EQ(enemy.group, 19);
  EXPECT_EQ(enemy.actions[0].actionType, 8);
  EXPECT_EQ(enemy.actions[0].impact, 10);
  EXPECT_EQ(p.entries[1].chara.kind, kCharPlayer);
  EXPECT_EQ(p.messages[3], std::string_view("HI\0", 3));
  EXPECT_EQ(p.entries[3].item.messageLength, 3);
  EXPECT_EQ(p.entries[3].item.graphic, 3);
}

TEST_F(OlderStage, ReplaysKeepTheirRecordsAndTheEditorsPaletteIsUsed) {
  Palette custom;
  BuildDefaultPalette(custom);
  test::SetName(custom.charNames[2], "named");
  std::filesystem::create_directories(dir / "user_data/plt3");
  ASSERT_TRUE(SavePaletteFile(dir / "user_data/plt3/mine.plt3p", custom).ok);
  ASSERT_TRUE(WriteEditorConfig(dir / "user_data/EditConfig.edt3p",
                                MakeEditorConfig("user_data\\plt3\\mine.plt3p")).ok);
  const LoadResult result = LoadFixture("old.rpl3_007", false);
  ASSERT_TRUE(result.ok());
  EXPECT_FALSE(result.missingDefaultPalette.has_value());
  EXPECT_STREQ(loaded.palette.charNames[2].data(), "named");
  ASSERT_TRUE(loaded.inputLog.has_value());
  EXPECT_EQ(*loaded.inputLog, (std::vector<int32_t>{7, 9}));
}

TEST_F(OlderStage, DamagedOlderFilesAreRefused) {
  const std::vector<uint8_t> good = test::BuildOlderStageFile();
  const Palette palette = [] {
    Palette p;
    BuildDefaultPalette(p);
    return p;
  }();
  std::string error;
  for (std::size_t cut = 0; cut < good.size(); cut += 509) {
    std::vector<uint8_t> bytes(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(cut));
    LoadedStage out;
    EXPECT_FALSE(ParseLegacyStageImage(bytes, palette, false, out, error)) << cut;
  }
  // Width 24 is not a power of two.
  std::vector<uint8_t> bytes = good;
  const std::size_t settingsAt = good.size() - (304 + 16 * 16 * 21 + 4 + 3 * (4 + 21 + 4) + 2 * 28 + 2 * 28 +
                                                4 + (4 + 26 + 4 + 4 + 4) + 12);
  int32_t width = 0;
  std::memcpy(&width, &bytes[settingsAt + 8], 4);
  ASSERT_EQ(width, 16);
  width = 24;
  std::memcpy(&bytes[settingsAt + 8], &width, 4);
  LoadedStage out;
  EXPECT_FALSE(ParseLegacyStageImage(bytes, palette, false, out, error));
  EXPECT_NE(error.find("width"), std::string::npos);
}

}  // namespace
}  // namespace vh::stage
