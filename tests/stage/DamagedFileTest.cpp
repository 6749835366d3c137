// Every damaged stage, replay or palette file is refused as a whole with a
// message, and the current stage and palette stay exactly as they were.
#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <cstring>
#include <functional>
#include <limits>

#include "FakeLoaderHost.h"
#include "SampleStage.h"
#include "StageTestSupport.h"
#include "stage/PaletteFile.h"
#include "stage/StageFile.h"
#include "stage/StageLoader.h"

namespace vh::stage {
namespace {

using Bytes = std::vector<uint8_t>;

template <class T>
void Put(Bytes& bytes, std::size_t at, T value) {
  std::memcpy(&bytes[at], &value, sizeof value);
}

// Where the sections of the sample replay file start.
struct Layout {
  std::size_t settings, blocks, characters, firstSlotCount, items, firstMessageLength, tail;
};

class DamagedFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    test::BuildSampleStage(sample, samplePalette);
    valid = SerializeStage(sample, samplePalette, &log);
    const std::size_t paletteBlock = SerializePalette(samplePalette).size() - 4;
    at.settings = 4 + paletteBlock;
    at.blocks = at.settings + sizeof(StageSettings);
    at.characters = at.blocks + 32 * 15 * 16;
    // The first character in row order is the enemy at (5, 5) with two slots.
    at.firstSlotCount = at.characters + 4 + 4 + 33;
    at.items = at.characters + 4 + (4 + 33 + 4 + 2 * 34) + 2 * (4 + 33 + 4);
    at.firstMessageLength = at.items + 4 + 4 + 34;
    at.tail = valid.size() - 4 - 4 * log.size();

    // What is current before each load: something other than the sample.
    BuildDefaultPalette(currentPalette);
    currentPalette.entries[8].block.hitType = 0;
    NewStage(current, currentPalette);
    current.map.SetItem(33, currentPalette.entries[3].item, std::string_view("keep\0", 5));
    currentLog = {42};
  }

  // Loads bytes through the loader as the editor would and checks that they
  // are refused without touching the current data.
  void ExpectRefused(const Bytes& bytes, const char* what) {
    SCOPED_TRACE(what);
    test::WriteBytes(dir / "damaged.rpl3p432", bytes);
    const Stage stageBefore = current;
    const Palette paletteBefore = currentPalette;
    test::FakeLoaderHost host;
    StageLoader loader(host);
    StageLoadRequest request;
    request.path = dir / "damaged.rpl3p432";
    request.forEditor = true;
    const LoadResult result = loader.Load(request, current, currentPalette, &currentLog);
    EXPECT_EQ(result.status, LoadStatus::Damaged);
    EXPECT_NE(result.message.find("damaged.rpl3p432"), std::string::npos) << result.message;
    EXPECT_FALSE(result.closeWindow);
    EXPECT_EQ(std::memcmp(&stageBefore.settings, &current.settings, sizeof(StageSettings)), 0);
    EXPECT_TRUE(stageBefore.map == current.map);
    EXPECT_TRUE(stageBefore.undoMap == current.undoMap);
    EXPECT_TRUE(paletteBefore == currentPalette);
    EXPECT_EQ(currentLog, std::vector<int32_t>{42});
  }

  Bytes With(const std::function<void(Bytes&)>& damage) const {
    Bytes bytes = valid;
    damage(bytes);
    return bytes;
  }

  test::TempDir dir;
  Stage sample;
  Palette samplePalette;
  std::vector<int32_t> log = {1, 2, 3, 4};
  Bytes valid;
  Layout at{};
  Stage current;
  Palette currentPalette;
  std::vector<int32_t> currentLog;
};

TEST_F(DamagedFiles, TheLayoutUsedBelowMatchesTheFile) {
  // Guards the offsets the cases rely on.
  int32_t value = 0;
  std::memcpy(&value, &valid[at.settings + offsetof(StageSettings, widthChips)], 4);
  EXPECT_EQ(value, 32);
  std::memcpy(&value, &valid[at.characters], 4);
  EXPECT_EQ(value, 3);
  std::memcpy(&value, &valid[at.firstSlotCount], 4);
  EXPECT_EQ(value, 2);
  std::memcpy(&value, &valid[at.items], 4);
  EXPECT_EQ(value, 3);
  std::memcpy(&value, &valid[at.firstMessageLength], 4);
  EXPECT_EQ(value, 4);
  std::memcpy(&value, &valid[at.tail], 4);
  EXPECT_EQ(value, 4);
}

TEST_F(DamagedFiles, BadSettingsAreRefused) {
  const std::size_t s = at.settings;
  auto field = [s](std::size_t offset) { return s + offset; };
  struct Case {
    const char* what;
    std::function<void(Bytes&)> damage;
  };
  const Case cases[] = {
      {"width 33", [&](Bytes& b) { Put<int32_t>(b, field(offsetof(StageSettings, widthChips)), 33); }},
      {"width 1024",
       [&](Bytes& b) {
         Put<int32_t>(b, field(offsetof(StageSettings, widthChips)), 1024);
         Put<int32_t>(b, field(offsetof(StageSettings, widthShift)), 10);
         Put<int32_t>(b, field(offsetof(StageSettings, widthPixels)), 1024 * 32);
       }},
      {"width 16",
       [&](Bytes& b) {
         Put<int32_t>(b, field(offsetof(StageSettings, widthChips)), 16);
         Put<int32_t>(b, field(offsetof(StageSettings, widthShift)), 4);
         Put<int32_t>(b, field(offsetof(StageSettings, widthPixels)), 512);
       }},
      {"shift", [&](Bytes& b) { Put<int32_t>(b, field(offsetof(StageSettings, widthShift)), 6); }},
      {"height 14",
       [&](Bytes& b) {
         Put<int32_t>(b, field(offsetof(StageSettings, heightChips)), 14);
         Put<int32_t>(b, field(offsetof(StageSettings, heightPixels)), 14 * 32);
       }},
      {"height 513",
       [&](Bytes& b) {
         Put<int32_t>(b, field(offsetof(StageSettings, heightChips)), 513);
         Put<int32_t>(b, field(offsetof(StageSettings, heightPixels)), 513 * 32);
       }},
      {"pixels", [&](Bytes& b) { Put<int32_t>(b, field(offsetof(StageSettings, widthPixels)), 1000); }},
      {"background", [&](Bytes& b) { Put<int32_t>(b, field(offsetof(StageSettings, backgroundIndex)), 10); }},
      {"hit-test level", [&](Bytes& b) { Put<int32_t>(b, field(offsetof(StageSettings, hitTestLevel)), 0); }},
      {"frame rate", [&](Bytes& b) { Put<int32_t>(b, field(offsetof(StageSettings, frameRate)), 0); }},
      {"gravity",
       [&](Bytes& b) {
         Put<double>(b, field(offsetof(StageSettings, gravity)), std::numeric_limits<double>::quiet_NaN());
       }},
  };
  for (const Case& c : cases) ExpectRefused(With(c.damage), c.what);
}

TEST_F(DamagedFiles, BadCountsPositionsAndSlotsAreRefused) {
  struct Case {
    const char* what;
    std::function<void(Bytes&)> damage;
  };
  const std::size_t firstX = at.characters + 4;
  const std::size_t firstSlot = at.firstSlotCount + 4;
  const Case cases[] = {
      {"negative character count", [&](Bytes& b) { Put<int32_t>(b, at.characters, -1); }},
      {"more characters than cells", [&](Bytes& b) { Put<int32_t>(b, at.characters, 32 * 15 + 1); }},
      {"character right of the map", [&](Bytes& b) { Put<uint16_t>(b, firstX, 32); }},
      {"character below the map", [&](Bytes& b) { Put<uint16_t>(b, firstX + 2, 15); }},
      {"two characters on one cell",
       [&](Bytes& b) {
         const std::size_t second = at.characters + 4 + (4 + 33 + 4 + 2 * 34);
         std::memcpy(&b[second], &b[firstX], 4);
       }},
      {"13 action slots", [&](Bytes& b) { Put<int32_t>(b, at.firstSlotCount, 13); }},
      {"negative action count", [&](Bytes& b) { Put<int32_t>(b, at.firstSlotCount, -1); }},
      {"slot 12", [&](Bytes& b) { Put<int32_t>(b, firstSlot, 12); }},
      {"slot -1", [&](Bytes& b) { Put<int32_t>(b, firstSlot, -1); }},
      {"slot twice", [&](Bytes& b) { Put<int32_t>(b, firstSlot + 34, 3); }},
      {"negative item count", [&](Bytes& b) { Put<int32_t>(b, at.items, -7); }},
      {"message beyond the file", [&](Bytes& b) { Put<int32_t>(b, at.firstMessageLength, 1 << 30); }},
      {"negative message length", [&](Bytes& b) { Put<int32_t>(b, at.firstMessageLength, -1); }},
      {"replay count too large", [&](Bytes& b) { Put<int32_t>(b, at.tail, 5); }},
      {"bytes after the replay", [&](Bytes& b) { Put<int32_t>(b, at.tail, 3); }},
      {"half a replay count", [&](Bytes& b) { b.resize(at.tail + 2); }},
      {"palette action count",
       [&](Bytes& b) { Put<int32_t>(b, 4 + 3 * 65 * 32 + 65 * 16 + 33, 99); }},
      {"empty file", [&](Bytes& b) { b.clear(); }},
      {"version only", [&](Bytes& b) { b.resize(4); }},
  };
  for (const Case& c : cases) ExpectRefused(With(c.damage), c.what);
}

TEST_F(DamagedFiles, EveryCutInsideTheStageIsRefused) {
  // Section starts and their neighbours, then a sweep through the file. A cut
  // exactly where the replay tail begins is a valid plain stage file.
  std::vector<std::size_t> cuts;
  for (std::size_t section : {at.settings, at.blocks, at.characters, at.items, at.firstMessageLength})
    for (std::size_t d : {std::size_t{1}, std::size_t{0}}) cuts.push_back(section - d);
  cuts.push_back(at.tail + 4);
  cuts.push_back(valid.size() - 1);
  for (std::size_t cut = 3; cut < at.tail; cut += 997) cuts.push_back(cut);
  for (std::size_t cut : cuts) {
    Bytes bytes(valid.begin(), valid.begin() + static_cast<std::ptrdiff_t>(cut));
    ExpectRefused(bytes, ("cut at " + std::to_string(cut)).c_str());
  }
}

TEST_F(DamagedFiles, TextsWithoutTheirEndAreMended) {
  Bytes bytes = valid;
  // The block name of picture 0 fills all 32 bytes; the music path all 260.
  std::memset(&bytes[4], 'A', 32);
  std::memset(&bytes[at.settings + offsetof(StageSettings, bgmPath)], 'B', 260);
  LoadedStage loaded;
  std::string error;
  ASSERT_TRUE(ParseStageImage(bytes, false, loaded, error)) << error;
  EXPECT_EQ(std::string(loaded.palette.blockNames[0].data()), std::string(31, 'A'));
  EXPECT_EQ(std::string(loaded.stage.settings.bgmPath), std::string(259, 'B'));
}

TEST_F(DamagedFiles, DamagedPaletteFilesAreRefused) {
  const Bytes good = SerializePalette(samplePalette);
  struct Case {
    const char* what;
    std::function<void(Bytes&)> damage;
  };
  const std::size_t charsAt = 4 + 3 * 65 * 32 + 65 * 16;
  const Case cases[] = {
      {"cut in the names", [](Bytes& b) { b.resize(1000); }},
      {"cut in the items", [](Bytes& b) { b.resize(b.size() - 10); }},
      {"action count", [&](Bytes& b) { Put<int32_t>(b, charsAt + 33, 12 + 1); }},
      {"bytes after the palette", [](Bytes& b) { b.push_back(0); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Bytes bytes = good;
    c.damage(bytes);
    test::WriteBytes(dir / "bad.plt3p", bytes);
    const Palette before = currentPalette;
    const LoadResult result = LoadPaletteFile(dir / "bad.plt3p", currentPalette);
    EXPECT_EQ(result.status, LoadStatus::Damaged);
    EXPECT_FALSE(result.message.empty());
    EXPECT_TRUE(before == currentPalette);
  }
}

}  // namespace
}  // namespace vh::stage
