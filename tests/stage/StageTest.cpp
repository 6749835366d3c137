#include "stage/Stage.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>

namespace vh::stage {
namespace {

constexpr uint64_t kPlentyOfMemory = std::numeric_limits<uint64_t>::max();

class StageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    BuildDefaultPalette(palette);
    NewStage(stage, palette);
  }

  int PlayerStarts() const {
    int count = 0;
    stage.map.ForEachCharacter([&](int, const CharDef& c) { count += c.kind == kCharPlayer ? 1 : 0; });
    return count;
  }

  // Marks a cell with a block whose bytes encode its position.
  void Mark(int x, int y) {
    BlockDef& b = stage.map.Block(stage.map.IndexOf(x, y));
    b.graphic = 7;
    b.reserved[0] = static_cast<uint8_t>(x);
    b.reserved[1] = static_cast<uint8_t>(x >> 8);
    b.reserved[2] = static_cast<uint8_t>(y);
    b.reserved[3] = static_cast<uint8_t>(y >> 8);
  }
  bool Marked(int x, int y) const {
    const BlockDef& b = stage.map.Block(stage.map.IndexOf(x, y));
    return b.graphic == 7 && b.reserved[0] == static_cast<uint8_t>(x) &&
           b.reserved[1] == static_cast<uint8_t>(x >> 8) && b.reserved[2] == static_cast<uint8_t>(y) &&
           b.reserved[3] == static_cast<uint8_t>(y >> 8);
  }

  Palette palette;
  Stage stage;
};

TEST(StageSettings, NewStageDefaults) {
  const StageSettings s = NewStageSettings();
  EXPECT_EQ(s.backgroundIndex, 0);
  EXPECT_EQ(s.widthChips, 32);
  EXPECT_EQ(s.widthPixels, 1024);
  EXPECT_EQ(s.widthShift, 5);
  EXPECT_EQ(s.heightChips, 15);
  EXPECT_EQ(s.heightPixels, 480);
  EXPECT_EQ(s.timeLimit, 601);
  EXPECT_EQ(s.initialFlags, 0u);
  EXPECT_EQ(s.autoScrollX, 0);
  EXPECT_EQ(s.bgmPath[0], '\0');
  EXPECT_EQ(s.gravity, 0.4);
  EXPECT_EQ(s.frameRate, 60);
  EXPECT_EQ(s.hitTestLevel, 10);
  EXPECT_EQ(s.scrollMinX, -1);
  EXPECT_EQ(s.scrollMaxY, -1);
  EXPECT_EQ(s.gravityPerSubStep, 0.4 / 100.0);
}

TEST(StageSettings, DerivedPhysicsByLevel) {
  struct Case {
    int level, subSteps;
    double speedCap, capPerSubStep;
  };
  const Case cases[] = {
      {1, 1, 6.0, 6.0},    {10, 10, 60.0, 6.0},  {11, 1, 60.0, 60.0},
      {15, 5, 60.0, 12.0}, {19, 9, 60.0, 60.0 / 9}, {20, 20, 120.0, 6.0},
  };
  for (const Case& c : cases) {
    StageSettings s = NewStageSettings();
    s.gravity = 0.5;
    UpdateDerivedPhysics(s, c.level);
    SCOPED_TRACE(c.level);
    EXPECT_EQ(s.hitTestLevel, c.level);
    EXPECT_EQ(s.subSteps, c.subSteps);
    EXPECT_EQ(s.subStepsAsDouble, c.subSteps);
    EXPECT_EQ(s.subStepsSquared, c.subSteps * c.subSteps);
    EXPECT_DOUBLE_EQ(s.speedCap, c.speedCap);
    EXPECT_DOUBLE_EQ(s.speedCapPerSubStep, c.capPerSubStep);
    EXPECT_EQ(s.subStepsTimes6, c.subSteps * 6);
    EXPECT_EQ(s.subStepsTimes30, c.subSteps * 30);
    EXPECT_DOUBLE_EQ(s.gravityPerSubStep, 0.5 / (c.subSteps * c.subSteps));
  }
}

TEST_F(StageTest, NewStageLaysFloorWallsAndPlayer) {
  const StageMap& map = stage.map;
  ASSERT_EQ(map.Width(), 32);
  ASSERT_EQ(map.Height(), 15);
  EXPECT_EQ(stage.undoMap.Width(), 32);
  EXPECT_EQ(stage.undoMap.Height(), 15);
  for (int y = 0; y < 15; ++y)
    for (int x = 0; x < 32; ++x) {
      const bool wall = y == 14 || x == 0 || x == 31;
      EXPECT_EQ(map.Block(map.IndexOf(x, y)) == palette.entries[1].block, wall) << x << "," << y;
      EXPECT_EQ(map.Block(map.IndexOf(x, y)).graphic, wall ? 1 : 0);
    }
  EXPECT_EQ(FindPlayerStart(map), (ChipPosition{1, 13}));
  const CharDef& player = map.Char(map.IndexOf(1, 13));
  EXPECT_EQ(player.kind, kCharPlayer);
  EXPECT_EQ(player.facing, 1);
  EXPECT_EQ(player.graphic, 1);
  EXPECT_EQ(player.hp, 10);
  EXPECT_EQ(PlayerStarts(), 1);
}

TEST_F(StageTest, ClearMapPutsOnlyThePlayerAtTheOrigin) {
  ClearMap(stage, palette);
  EXPECT_EQ(FindPlayerStart(stage.map), (ChipPosition{0, 0}));
  EXPECT_EQ(stage.map.Char(0).facing, 1);
  EXPECT_EQ(PlayerStarts(), 1);
  for (const BlockDef& b : stage.map.Blocks()) EXPECT_EQ(b, BlockDef{});
}

TEST_F(StageTest, FindPlayerStartTakesTheLastRowAndItsFirstCell) {
  StageMap& map = stage.map;
  CharDef player{};
  player.kind = kCharPlayer;
  player.graphic = 1;
  map.SetChar(map.IndexOf(9, 3), player);
  map.SetChar(map.IndexOf(5, 13), player);
  EXPECT_EQ(FindPlayerStart(map), (ChipPosition{1, 13}));
  map.Release();
  EXPECT_EQ(FindPlayerStart(map), (ChipPosition{0, 0}));
}

TEST_F(StageTest, WidthRoundTripKeepsCellsAndMovesAnOutsidePlayer) {
  ASSERT_TRUE(ResizeStageWidth(stage, palette, 512, kPlentyOfMemory).ok);
  ClearMap(stage, palette);
  StageMap& map = stage.map;
  map.ClearChar(0);
  CharDef player = palette.entries[1].chara;
  player.kind = kCharPlayer;
  player.facing = 1;
  map.SetChar(map.IndexOf(300, 7), player);
  map.SetItem(map.IndexOf(31, 14), palette.entries[3].item, std::string_view("hi\0", 3));
  map.SetItem(map.IndexOf(100, 2), palette.entries[4].item, std::string_view("gone\0", 5));
  for (int y = 0; y < 15; ++y)
    for (int x = 0; x < 512; x += 17) Mark(x, y);
  stage.settings.scrollMaxX = 400;
  stage.settings.scrollMinX = -1;

  ASSERT_TRUE(ResizeStageWidth(stage, palette, 32, 0).ok);  // shrinking needs no memory check
  EXPECT_EQ(stage.settings.widthChips, 32);
  EXPECT_EQ(stage.settings.widthPixels, 1024);
  EXPECT_EQ(stage.settings.widthShift, 5);
  EXPECT_EQ(stage.settings.scrollMaxX, 12);
  EXPECT_EQ(stage.settings.scrollMinX, -1);
  EXPECT_EQ(FindPlayerStart(map), (ChipPosition{0, 0}));
  EXPECT_EQ(map.Char(0).graphic, 1);
  EXPECT_EQ(map.Char(0).kind, kCharPlayer);
  EXPECT_EQ(PlayerStarts(), 1);
  EXPECT_EQ(map.Message(map.IndexOf(31, 14)), std::string_view("hi\0", 3));
  for (int y = 0; y < 15; ++y)
    for (int x = 0; x < 32; x += 17) EXPECT_TRUE(Marked(x, y)) << x << "," << y;

  ASSERT_TRUE(ResizeStageWidth(stage, palette, 512, kPlentyOfMemory).ok);
  EXPECT_EQ(stage.undoMap.Width(), 512);
  for (int y = 0; y < 15; ++y) {
    for (int x = 0; x < 32; x += 17) EXPECT_TRUE(Marked(x, y));
    for (int x = 32; x < 512; ++x) EXPECT_EQ(map.Cell(map.IndexOf(x, y)), CellRecord{});
  }
  EXPECT_FALSE(map.HasItem(map.IndexOf(100, 2)));
  EXPECT_EQ(map.Message(map.IndexOf(31, 14)), std::string_view("hi\0", 3));
}

TEST_F(StageTest, HeightChangesKeepTopRowsAndOnlyLowerLimits) {
  Mark(5, 3);
  stage.settings.scrollMinY = 0;
  stage.settings.scrollMaxY = -1;
  ASSERT_TRUE(ResizeStageHeight(stage, palette, 25, kPlentyOfMemory).ok);
  EXPECT_EQ(stage.settings.heightChips, 25);
  EXPECT_EQ(stage.settings.heightPixels, 800);
  EXPECT_EQ(stage.settings.scrollMinY, 0);
  EXPECT_EQ(stage.settings.scrollMaxY, -1);
  EXPECT_TRUE(Marked(5, 3));
  EXPECT_EQ(FindPlayerStart(stage.map), (ChipPosition{1, 13}));
  for (int y = 15; y < 25; ++y)
    for (int x = 0; x < 32; ++x) EXPECT_EQ(stage.map.Cell(stage.map.IndexOf(x, y)), CellRecord{});

  stage.settings.scrollMaxY = 9;
  ASSERT_TRUE(ResizeStageHeight(stage, palette, 15, 0).ok);
  EXPECT_EQ(stage.settings.scrollMaxY, 0);
  EXPECT_EQ(stage.settings.scrollMinY, 0);
  EXPECT_TRUE(Marked(5, 3));

  // Heights never go below 15, so move the player start lower before cutting
  // the rows that hold it.
  ASSERT_TRUE(ResizeStageHeight(stage, palette, 40, kPlentyOfMemory).ok);
  StageMap& map = stage.map;
  const CharDef player = map.Char(map.IndexOf(1, 13));
  map.ClearChar(map.IndexOf(1, 13));
  map.SetChar(map.IndexOf(4, 30), player);
  ASSERT_TRUE(ResizeStageHeight(stage, palette, 20, 0).ok);
  EXPECT_EQ(FindPlayerStart(map), (ChipPosition{0, 0}));
  EXPECT_EQ(PlayerStarts(), 1);
  EXPECT_EQ(stage.undoMap.Height(), 20);
}

TEST_F(StageTest, GrowingBeyondFreeMemoryChangesNothing) {
  Mark(3, 3);
  const StageSettings before = stage.settings;
  const StageMap mapBefore = stage.map;
  const ResizeResult width = ResizeStageWidth(stage, palette, 512, 1024);
  const ResizeResult height = ResizeStageHeight(stage, palette, 512, 1024);
  for (const ResizeResult& r : {width, height}) {
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, "メモリ不足により、サイズの変更に失敗しました！");
  }
  EXPECT_EQ(std::memcmp(&before, &stage.settings, sizeof before), 0);
  EXPECT_TRUE(stage.map == mapBefore);
  EXPECT_TRUE(CheckResizeMemory(stage.settings, 512, 512, true, 64u << 20));
}

TEST_F(StageTest, OutOfRangeIndexUsesCellZero) {
  StageMap& map = stage.map;
  map.Block(0).graphic = 9;
  EXPECT_EQ(map.Block(-1).graphic, 9);
  EXPECT_EQ(map.Block(map.CellCount()).graphic, 9);
  EXPECT_EQ(map.OutOfRangeCount(), 2u);
}

TEST_F(StageTest, UndoSnapshotIsAnIndependentCopy) {
  StageMap& map = stage.map;
  map.SetItem(map.IndexOf(4, 4), palette.entries[2].item, std::string_view("abc\0", 4));
  stage.undoMap = map;
  map.SetMessage(map.IndexOf(4, 4), std::string_view("x\0", 2));
  map.ClearChar(map.IndexOf(1, 13));
  map.Block(0).graphic = 0;
  EXPECT_EQ(stage.undoMap.Message(map.IndexOf(4, 4)), std::string_view("abc\0", 4));
  EXPECT_EQ(stage.undoMap.Item(map.IndexOf(4, 4)).messageLength, 4);
  EXPECT_EQ(FindPlayerStart(stage.undoMap), (ChipPosition{1, 13}));
  map = stage.undoMap;
  EXPECT_EQ(map.Message(map.IndexOf(4, 4)), std::string_view("abc\0", 4));
  EXPECT_EQ(map.Block(0).graphic, 1);
}

TEST(StageMemory, LargestStageWithUndoFitsTheBudget) {
  Palette palette;
  BuildDefaultPalette(palette);
  Stage stage;
  NewStage(stage, palette);
  ASSERT_TRUE(ResizeStageWidth(stage, palette, 512, kPlentyOfMemory).ok);
  ASSERT_TRUE(ResizeStageHeight(stage, palette, 512, kPlentyOfMemory).ok);
  StageMap& map = stage.map;
  for (int n = 0; n < 20000; ++n) map.SetChar(n * 13 % map.CellCount(), palette.entries[2 + n % 60].chara);
  const std::string message(40, 'm');
  for (int n = 0; n < 5000; ++n) map.SetItem(n * 37 % map.CellCount(), palette.entries[3].item, message);
  stage.undoMap = map;
  const std::size_t bytes = sizeof(Stage) + map.MemoryBytes() + stage.undoMap.MemoryBytes();
  EXPECT_LT(bytes, std::size_t{64} << 20) << bytes;
}

}  // namespace
}  // namespace vh::stage
