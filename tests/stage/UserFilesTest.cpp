#include <gtest/gtest.h>

#include <cstring>

#include "StageTestSupport.h"
#include "stage/ConstructionConfig.h"
#include "stage/EditorConfig.h"
#include "stage/PaletteFile.h"
#include "stage/RecordTable.h"

namespace vh::stage {
namespace {

using test::ByteBuilder;
using test::TempDir;
using test::WriteBytes;

std::vector<uint8_t> ConstructionFile(std::initializer_list<int32_t> fields) {
  ByteBuilder b;
  b.Text(std::string_view("432\0", 4));
  for (int32_t f : fields) b.I32(f);
  b.Zeros(104 - b.size());
  return b.bytes();
}

TEST(Construction, MissingFileGivesTheDefaults) {
  TempDir dir;
  ConstructionConfig config;
  EXPECT_EQ(ReadConstructionConfig(dir / "none.cnst3p", config), UserFileStatus::Missing);
  EXPECT_EQ(config, DefaultConstructionConfig());
  EXPECT_EQ(config.musicEnabled, 1);
  EXPECT_EQ(config.normalWorldsEntry + config.hellStagesEntry + config.userStagesEntry, 3);
  EXPECT_EQ(config.worldCount, 4);
  EXPECT_EQ(config.hellCount, 8);
  EXPECT_EQ(config.livesNormal, 3);
  EXPECT_EQ(config.livesHell, 3);
  EXPECT_EQ(config.livesUser, 3);
  EXPECT_EQ(FrameRateTarget(config), 60);
}

TEST(Construction, StoredValuesAndTheZeroFrameRate) {
  TempDir dir;
  const auto path = dir / "Construction.cnst3p";
  WriteBytes(path, ConstructionFile({0, 1, 0, 1, 7, 2, 5, 4, 3, 1, 0, 1, 1, 0}));
  ConstructionConfig config;
  ASSERT_EQ(ReadConstructionConfig(path, config), UserFileStatus::Loaded);
  EXPECT_EQ(config.musicEnabled, 0);
  EXPECT_EQ(config.hellStagesEntry, 0);
  EXPECT_EQ(config.worldCount, 7);
  EXPECT_EQ(config.livesNormal, 5);
  EXPECT_EQ(config.hideStageWhilePaused, 1);
  EXPECT_EQ(config.openAllHellStages, 1);
  EXPECT_EQ(config.frameRate, 60);  // stored 0
  EXPECT_EQ(FrameRateTarget(config), 60);

  WriteBytes(path, ConstructionFile({1, 1, 1, 1, 4, 8, 3, 3, 3, 0, 0, 0, 1, 30}));
  ASSERT_EQ(ReadConstructionConfig(path, config), UserFileStatus::Loaded);
  EXPECT_EQ(FrameRateTarget(config), 30);
}

TEST(Construction, DamagedFilesGiveTheDefaults) {
  TempDir dir;
  const auto path = dir / "Construction.cnst3p";
  const std::vector<std::vector<uint8_t>> damaged = {
      std::vector<uint8_t>(50, 1),
      ConstructionFile({1, 1, 1, 1, 101, 8}),
      ConstructionFile({1, 1, 1, 1, 4, -1}),
      ConstructionFile({1, 1, 1, 1, 4, 8, 3, 3, 3, 0, 0, 0, 1, -5}),
  };
  for (const auto& bytes : damaged) {
    WriteBytes(path, bytes);
    ConstructionConfig config;
    EXPECT_EQ(ReadConstructionConfig(path, config), UserFileStatus::Damaged);
    EXPECT_EQ(config, DefaultConstructionConfig());
  }
}

TEST(RecordTable, UpdatesFollowTheRules) {
  ConstructionConfig config = DefaultConstructionConfig();
  RecordTable table = EmptyRecordTable();
  table.worldProgress = 1;
  EXPECT_TRUE(FinishNormalWorld(table, 1, config));
  EXPECT_EQ(table.worldProgress, 2);
  EXPECT_EQ(table.worldCleared[0], 1);
  EXPECT_TRUE(FinishNormalWorld(table, 4, config));
  EXPECT_EQ(table.worldProgress, 4);  // never beyond the world count
  EXPECT_EQ(table.worldCleared[3], 1);
  EXPECT_TRUE(FinishNormalWorld(table, 2, config));  // marks world 2, progress never goes back
  EXPECT_EQ(table.worldProgress, 4);
  EXPECT_EQ(table.worldCleared[1], 1);
  EXPECT_FALSE(FinishNormalWorld(table, 2, config));

  EXPECT_TRUE(FinishHellStage(table, 3, config));
  EXPECT_EQ(table.hellProgress, 4);
  EXPECT_EQ(table.hellCleared[2], 1);

  EXPECT_TRUE(RecordWorldScore(table, 2, 500));
  EXPECT_FALSE(RecordWorldScore(table, 2, 499));
  EXPECT_FALSE(RecordWorldScore(table, 2, 500));
  EXPECT_EQ(table.bestScore[1], 500);
  EXPECT_TRUE(RecordHellClearRate(table, 8, 75));
  EXPECT_EQ(table.bestClearRate[7], 75);
  for (int bad : {0, -1, 101}) {
    EXPECT_FALSE(FinishNormalWorld(table, bad, config));
    EXPECT_FALSE(RecordWorldScore(table, bad, 1000));
  }

  config.openAllWorlds = 1;
  config.worldCount = 9;
  ApplyOpenAllSwitches(table, config);
  EXPECT_EQ(table.worldProgress, 9);
  EXPECT_EQ(table.hellProgress, 4);
}

TEST(RecordTable, WritesAndReadsTheWholeFile) {
  TempDir dir;
  const auto path = dir / "Record.rec";
  RecordTable table;
  EXPECT_EQ(ReadRecordTable(path, table), UserFileStatus::Missing);
  EXPECT_EQ(table, EmptyRecordTable());
  table.bestScore[0] = 1234;
  table.hellCleared[99] = 1;
  table.worldProgress = 3;
  ASSERT_TRUE(WriteRecordTable(path, table).ok);
  EXPECT_EQ(std::filesystem::file_size(path), 4u + 1608u);
  RecordTable read;
  ASSERT_EQ(ReadRecordTable(path, read), UserFileStatus::Loaded);
  EXPECT_EQ(read, table);

  std::vector<uint8_t> bytes = test::ReadBytes(path);
  const int32_t tooFar = 101;
  std::memcpy(&bytes[4 + 800], &tooFar, 4);
  WriteBytes(path, bytes);
  EXPECT_EQ(ReadRecordTable(path, read), UserFileStatus::Damaged);
  EXPECT_EQ(read, EmptyRecordTable());
}

TEST(ClearMark, KeepsTheBestScoreBesideTheStage) {
  TempDir dir;
  const auto stage = dir / "abc-1.stg3p432";
  EXPECT_EQ(ClearMarkPath(stage), dir / "abc-1.erc");
  EXPECT_EQ(ReadClearMark(stage), 0);
  ASSERT_TRUE(UpdateClearMark(stage, 300).ok);
  EXPECT_EQ(std::filesystem::file_size(dir / "abc-1.erc"), 4u);
  EXPECT_TRUE(UpdateClearMark(stage, 200).ok);
  EXPECT_EQ(ReadClearMark(stage), 300);
  EXPECT_TRUE(UpdateClearMark(stage, 300).ok);
  EXPECT_TRUE(UpdateClearMark(stage, 450).ok);
  EXPECT_EQ(ReadClearMark(stage), 450);
  WriteBytes(dir / "abc-1.erc", {1, 2, 3});
  EXPECT_EQ(ReadClearMark(stage), 0);
}

TEST(EditorConfig, DefaultPaletteFromTheConfigOrBuilt) {
  TempDir dir;
  DataFolder data;
  data.root = dir.path();
  std::filesystem::create_directories(data.PaletteFolder());
  Palette palette;
  palette.entries[1].block.graphic = 33;
  DefaultPaletteOutcome outcome = LoadEditorDefaultPalette(data, palette, true);
  EXPECT_FALSE(outcome.fromFile);
  EXPECT_EQ(outcome.palettePath, "user_data\\plt3\\default.plt3p");
  ASSERT_TRUE(outcome.configWrite.has_value());
  EXPECT_TRUE(outcome.configWrite->ok);
  EXPECT_EQ(std::filesystem::file_size(data.EditConfigFile()), 4u + 292u);
  Palette built;
  BuildDefaultPalette(built);
  EXPECT_TRUE(palette == built);

  built.entries[4].chara.hp = 99;
  ASSERT_TRUE(SavePaletteFile(data.PaletteFolder() / "default.plt3p", built).ok);
  outcome = LoadEditorDefaultPalette(data, palette, true);
  EXPECT_TRUE(outcome.fromFile);
  EXPECT_FALSE(outcome.configWrite.has_value());
  EXPECT_EQ(palette.entries[4].chara.hp, 99);

  EditorConfig config;
  ASSERT_EQ(ReadEditorConfig(data.EditConfigFile(), config), UserFileStatus::Loaded);
  EXPECT_EQ(PalettePathOf(config), "user_data\\plt3\\default.plt3p");
  EXPECT_EQ(PalettePathOf(MakeEditorConfig(std::string(400, 'p'))).size(), 259u);
}

}  // namespace
}  // namespace vh::stage
