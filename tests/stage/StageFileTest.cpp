#include "stage/StageFile.h"

#include <gtest/gtest.h>

#include <cstring>

#include "SampleStage.h"
#include "StageTestSupport.h"
#include "stage/PaletteFile.h"

namespace vh::stage {
namespace {

using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

bool SameSettings(const StageSettings& a, const StageSettings& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

std::size_t PaletteBlockSize(const Palette& palette) { return SerializePalette(palette).size() - 4; }

LoadedStage Load(const std::filesystem::path& path, bool forEditor = false) {
  LoadedStage loaded;
  StageLoadRequest request;
  request.path = path;
  request.forEditor = forEditor;
  const LoadResult result = LoadStageFile(request, loaded);
  EXPECT_TRUE(result.ok()) << result.message;
  return loaded;
}

TEST(StageFile, NewStageHasTheDocumentedSizeAndRoundTripsExactly) {
  TempDir dir;
  Palette palette;
  BuildDefaultPalette(palette);
  Stage stage;
  NewStage(stage, palette);
  const auto path = dir / "new.stg3p432";
  ASSERT_TRUE(SaveStageFile(path, stage, palette).ok);
  const std::vector<uint8_t> bytes = ReadBytes(path);
  // Names, blocks, 65 characters and items without slots or messages.
  const std::size_t paletteBlock = 3 * 65 * 32 + 65 * 16 + 65 * (33 + 4) + 65 * (34 + 4 + 4);
  EXPECT_EQ(PaletteBlockSize(palette), paletteBlock);
  EXPECT_EQ(bytes.size(), 4 + paletteBlock + 456 + 32 * 15 * 16 + 4 + (4 + 33 + 4) + 4);
  EXPECT_EQ(std::memcmp(bytes.data(), "432", 4), 0);

  LoadedStage loaded = Load(path, true);
  EXPECT_FALSE(loaded.inputLog.has_value());
  EXPECT_TRUE(SameSettings(loaded.stage.settings, stage.settings));
  EXPECT_TRUE(loaded.stage.map == stage.map);
  EXPECT_TRUE(loaded.palette == palette);
  EXPECT_EQ(loaded.stage.undoMap.CellCount(), 32 * 15);
  EXPECT_EQ(SerializeStage(loaded.stage, loaded.palette, nullptr), bytes);
}

TEST(StageFile, MessagesActionsAndReplayTailRoundTripExactly) {
  TempDir dir;
  Palette palette;
  Stage stage;
  test::BuildSampleStage(stage, palette);
  const std::vector<int32_t> log = {0, 1 | 4 << 16, 8, -1, 0x7fffffff};
  const auto path = dir / "sample.rpl3p432";
  ASSERT_TRUE(SaveStageFile(path, stage, palette, &log).ok);
  const std::vector<uint8_t> bytes = ReadBytes(path);

  LoadedStage loaded = Load(path);
  ASSERT_TRUE(loaded.inputLog.has_value());
  EXPECT_EQ(*loaded.inputLog, log);
  EXPECT_TRUE(loaded.stage.map == stage.map);
  EXPECT_TRUE(loaded.palette == palette);
  EXPECT_TRUE(SameSettings(loaded.stage.settings, stage.settings));
  EXPECT_EQ(SerializeStage(loaded.stage, loaded.palette, &*loaded.inputLog), bytes);

  const StageMap& map = loaded.stage.map;
  const CharDef& enemy = map.Char(map.IndexOf(5, 5));
  EXPECT_EQ(enemy.actions[3].speed, -5);
  EXPECT_EQ(enemy.actions[7].useKey, 2);
  EXPECT_EQ(enemy.actions[0].useKey, -1);  // absent slot, enemy default
  EXPECT_EQ(map.Message(map.IndexOf(6, 5)), std::string_view("ABC\0", 4));
  EXPECT_EQ(map.Item(map.IndexOf(6, 5)).messageLength, 4);
  EXPECT_EQ(map.Item(map.IndexOf(7, 7)).messageLength, 0);
  EXPECT_TRUE(map.HasChar(map.IndexOf(10, 10)));
  EXPECT_EQ(map.Message(map.IndexOf(10, 10)), std::string_view("x\0", 2));
  EXPECT_EQ(loaded.palette.messages[5].size(), 11u);
}

TEST(StageFile, ItemRecordsCarryTheirMessageLengthTwice) {
  Palette palette;
  BuildDefaultPalette(palette);
  Stage stage;
  NewStage(stage, palette);
  stage.map.SetItem(stage.map.IndexOf(2, 2), palette.entries[3].item, std::string_view("ABC\0", 4));
  const std::vector<uint8_t> bytes = SerializeStage(stage, palette, nullptr);
  // Items are the last section: count, x, y, fixed part, length, text, slots.
  const std::size_t itemSection = bytes.size() - (4 + 4 + 34 + 4 + 4 + 4);
  int32_t count = 0;
  int32_t fixedLength = 0;
  int32_t length = 0;
  std::memcpy(&count, &bytes[itemSection], 4);
  std::memcpy(&fixedLength, &bytes[itemSection + 8 + 16], 4);
  std::memcpy(&length, &bytes[itemSection + 8 + 34], 4);
  EXPECT_EQ(count, 1);
  EXPECT_EQ(fixedLength, 4);
  EXPECT_EQ(length, 4);
  EXPECT_EQ(std::memcmp(&bytes[itemSection + 8 + 38], "ABC", 4), 0);
}

TEST(StageFile, PlainStageLoadsWithAnEmptyReplay) {
  TempDir dir;
  Palette palette;
  Stage stage;
  test::BuildSampleStage(stage, palette);
  const auto path = dir / "plain.stg3p432";
  ASSERT_TRUE(SaveStageFile(path, stage, palette).ok);
  StageLoadRequest request;
  request.path = path;
  LoadedStage loaded;
  ASSERT_TRUE(LoadStageFile(request, loaded).ok());
  Stage current;
  Palette currentPalette;
  std::vector<int32_t> log = {1, 2, 3};
  current.undoMap.Reset(64, 20);
  ApplyLoadedStage(std::move(loaded), false, current, currentPalette, &log);
  EXPECT_TRUE(log.empty());
  EXPECT_TRUE(current.map == stage.map);
  EXPECT_EQ(current.undoMap.Width(), 64);  // only the editor's loads size the undo map
}

TEST(StageFile, OlderVersionsRenumberCharacterGroups) {
  Palette palette;
  BuildDefaultPalette(palette);
  Stage stage;
  NewStage(stage, palette);
  const int groups[] = {0, 1, 2, 32, 33, 40, 63, 64, 70, -5};
  const int converted[] = {0, 3, 6, 36, 66, 73, 96, 126, 126, 126};
  for (int i = 0; i < 10; ++i) {
    CharDef enemy = palette.entries[2].chara;
    enemy.group = static_cast<int8_t>(groups[i]);
    stage.map.SetChar(stage.map.IndexOf(3 + i, 2), enemy);
  }
  palette.entries[6].chara.group = 40;
  std::vector<uint8_t> bytes = SerializeStage(stage, palette, nullptr);
  for (const char* version : {"095", "432"}) {
    std::memcpy(bytes.data(), version, 4);
    LoadedStage loaded;
    std::string error;
    ASSERT_TRUE(ParseStageImage(bytes, false, loaded, error)) << error;
    const bool old = version[0] == '0';
    EXPECT_EQ(loaded.fileVersion, old ? 95 : 432);
    for (int i = 0; i < 10; ++i)
      EXPECT_EQ(loaded.stage.map.Char(loaded.stage.map.IndexOf(3 + i, 2)).group, old ? converted[i] : groups[i])
          << version << " group " << groups[i];
    EXPECT_EQ(loaded.palette.entries[6].chara.group, old ? 73 : 40);
  }
}

TEST(StageFile, SavingNeverDestroysThePreviousFile) {
  TempDir dir;
  Palette palette;
  Stage stage;
  test::BuildSampleStage(stage, palette);
  const auto path = dir / "kept.stg3p432";
  WriteBytes(path, {1, 2, 3});
  ASSERT_TRUE(SaveStageFile(path, stage, palette).ok);
  EXPECT_EQ(ReadBytes(path), SerializeStage(stage, palette, nullptr));

  const SaveResult missingFolder = SaveStageFile(dir / "no/such/folder/x.stg3p432", stage, palette);
  EXPECT_FALSE(missingFolder.ok);
  EXPECT_NE(missingFolder.message.find("no/such/folder/x.stg3p432"), std::string::npos);

  // A target that cannot be replaced: the temporary file goes, the target stays.
  std::filesystem::create_directory(dir / "busy.stg3p432");
  std::filesystem::create_directory(dir / "busy.stg3p432" / "inside");
  const SaveResult blocked = SaveStageFile(dir / "busy.stg3p432", stage, palette);
  EXPECT_FALSE(blocked.ok);
  EXPECT_TRUE(std::filesystem::is_directory(dir / "busy.stg3p432" / "inside"));
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir.path())) files += entry.is_regular_file();
  EXPECT_EQ(files, 1);  // only kept.stg3p432

  const WriteOptions failingSync{[](const std::filesystem::path&) { return false; }};
  EXPECT_FALSE(SaveStageFile(path, stage, palette, nullptr, failingSync).ok);
  EXPECT_EQ(ReadBytes(path), SerializeStage(stage, palette, nullptr));
}

TEST(PaletteFile, RoundTripsNamesAndMessagesExactly) {
  TempDir dir;
  Palette palette;
  Stage stage;
  test::BuildSampleStage(stage, palette);
  const auto path = dir / "p.plt3p";
  ASSERT_TRUE(SavePaletteFile(path, palette).ok);
  const std::vector<uint8_t> bytes = ReadBytes(path);
  Palette loaded;
  ASSERT_TRUE(LoadPaletteFile(path, loaded).ok());
  EXPECT_TRUE(loaded == palette);
  EXPECT_EQ(SerializePalette(loaded), bytes);
  EXPECT_EQ(loaded.entries[5].item.messageLength, 11);
  for (int i = 0; i < kPaletteEntryCount; ++i) {
    if (i != 5) {
      EXPECT_EQ(loaded.entries[i].item.messageLength, 0) << i;
    }
  }
  EXPECT_EQ(loaded.entries[9].chara.actions[2].speed, 8);
}

TEST(PaletteFile, MissingFileLeavesThePaletteAlone) {
  TempDir dir;
  Palette palette;
  BuildDefaultPalette(palette);
  palette.entries[3].block.hitType = 1;
  const Palette before = palette;
  EXPECT_EQ(LoadPaletteFile(dir / "none.plt3p", palette).status, LoadStatus::CannotOpen);
  EXPECT_TRUE(palette == before);
}

}  // namespace
}  // namespace vh::stage
