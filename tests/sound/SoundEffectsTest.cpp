#include "sound/SoundEffects.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/audio/RecordingAudioDevice.h"
#include "sound/SoundFiles.h"

namespace vh::sound {
namespace {

using platform::AudioCall;
using platform::AudioOp;
using test::Bytes;

// A data folder, a recording device with output, and the sound context over them.
class SoundEffectsTest : public ::testing::Test {
 protected:
  explicit SoundEffectsTest(bool hasOutput = true) {
    auto owned = std::make_unique<platform::RecordingAudioDevice>(hasOutput);
    device = owned.get();
    sound = std::make_unique<SoundSystem>(std::move(owned), diagnostics, folder.Path(),
                                          [this] { return frame; });
  }

  std::filesystem::path WavePath(const char* name) {
    return folder.Path() / "wave" / std::filesystem::u8path(name);
  }
  // Every table file, each with different samples so the order can be checked.
  void WriteAllTableFiles() {
    for (int id = 0; id < kSoundGroupCount; ++id) {
      std::string name = kSoundTable[id].fileName;
      name = name.substr(name.find('\\') + 1);
      test::WriteFile(WavePath(name.c_str()), test::PcmWave(Bytes(10, static_cast<uint8_t>(id))));
    }
  }
  std::vector<AudioCall> Calls(AudioOp op) const {
    std::vector<AudioCall> out;
    std::copy_if(device->calls.begin(), device->calls.end(), std::back_inserter(out),
                 [op](const AudioCall& c) { return c.op == op; });
    return out;
  }

  test::TempFolder folder{"effects"};
  platform::RecordingDiagnostics diagnostics;
  platform::RecordingAudioDevice* device = nullptr;
  std::unique_ptr<SoundSystem> sound;
  uint64_t frame = 0;
};

TEST_F(SoundEffectsTest, LoadsEveryGroupInTableOrder) {
  WriteAllTableFiles();
  ASSERT_TRUE(DS_Init(*sound, 22050, 8, 1));
  ASSERT_TRUE(DSCreateBufferGroup(*sound));
  for (int id = 0; id < kSoundGroupCount; ++id) {
    const SoundGroup& group = sound->groups[id];
    ASSERT_EQ(group.buffers.size(), 1u) << id;
    EXPECT_EQ(group.name, kSoundTable[id].fileName);
    EXPECT_EQ(device->buffers[group.buffers[0]], Bytes(10, static_cast<uint8_t>(id))) << id;
  }
  EXPECT_TRUE(diagnostics.debugLines.empty());
}

TEST_F(SoundEffectsTest, StopsAtFirstBrokenFileAndSkipsLoadedGroups) {
  WriteAllTableFiles();
  test::WriteFile(WavePath("ジャンプ.wav"), test::PcmWave({}) /* no samples */);
  ASSERT_TRUE(DS_Init(*sound, 22050, 8, 1));
  EXPECT_FALSE(DSCreateBufferGroup(*sound));
  EXPECT_EQ(sound->groups[kSoundSword].buffers.size(), 1u);
  EXPECT_TRUE(sound->groups[kSoundJump].buffers.empty());
  EXPECT_TRUE(sound->groups[kSoundScream].buffers.empty());
  EXPECT_EQ(diagnostics.debugLines,
            (std::vector<std::string>{"wave\\ジャンプ.wav生成失敗！", "DSCreateBufferGropeFromFile失敗！"}));

  // Mended, a second pass loads only what is missing.
  test::WriteFile(WavePath("ジャンプ.wav"), test::PcmWave({1, 2}));
  const size_t buffersBefore = device->buffers.size();
  ASSERT_TRUE(DSCreateBufferGroup(*sound));
  EXPECT_EQ(device->buffers.size(), buffersBefore + (kSoundGroupCount - kSoundJump));
}

struct LoadFailure {
  const char* name;
  Bytes file;  // empty = no file at all
  int bufferCount;
  int failCreates, failDuplicates;
  const char* line;    // the error line, after the file name
  const char* reason;  // part of the report line that explains it
};

class LoadFailures : public SoundEffectsTest, public ::testing::WithParamInterface<LoadFailure> {};

TEST_P(LoadFailures, ReportTheFileAndLeaveTheGroupEmpty) {
  const LoadFailure& c = GetParam();
  if (!c.file.empty()) test::WriteFile(WavePath("決定.wav"), c.file);
  device->failCreates = c.failCreates;
  device->failDuplicates = c.failDuplicates;
  ASSERT_TRUE(DS_Init(*sound, 22050, 8, 1));
  SoundGroup& group = sound->groups[kSoundDecide];
  EXPECT_FALSE(DSCreateBufferGropeFromFile(*sound, group, "wave\\決定.wav", c.bufferCount, 0));
  EXPECT_TRUE(group.buffers.empty());
  EXPECT_EQ(diagnostics.debugLines, std::vector<std::string>{std::string("wave\\決定.wav") + c.line});
  ASSERT_FALSE(diagnostics.reports.empty());
  EXPECT_NE(diagnostics.reports.back().find(c.reason), std::string::npos) << diagnostics.reports.back();
  // Nothing half-made is left behind.
  EXPECT_TRUE(std::all_of(device->buffers.begin(), device->buffers.end(),
                          [](const Bytes& b) { return b.empty(); }));
}

const Bytes kGood = test::PcmWave(Bytes(50, 0x90));

INSTANTIATE_TEST_SUITE_P(
    Cases, LoadFailures,
    ::testing::Values(
        LoadFailure{"Missing", {}, 1, 0, 0, "読み込み失敗！", "cannot open"},
        LoadFailure{"Junk", Bytes(300, 0x33), 1, 0, 0, "読み込み失敗！", "not a RIFF WAVE"},
        LoadFailure{"NotPcm",
                    test::RiffWave(test::Concat({test::Chunk("fmt ", test::FormatBody(0x55, 1, 22050, 0)),
                                                 test::Chunk("data", Bytes(8, 1))})),
                    1, 0, 0, "読み込み失敗！", "not plain PCM"},
        LoadFailure{"LargeFormat",
                    test::RiffWave(test::Concat({test::Chunk("fmt ", test::FormatBody(1, 1, 22050, 8, 22)),
                                                 test::Chunk("data", Bytes(8, 1))})),
                    1, 0, 0, "読み込み失敗！", "larger than 18"},
        LoadFailure{"UnplayableBits", test::PcmWave(Bytes(12, 1), 22050, 1, 24), 1, 0, 0, "生成失敗！",
                    "unplayable"},
        LoadFailure{"ZeroRate", test::PcmWave(Bytes(12, 1), 0), 1, 0, 0, "生成失敗！", "unplayable"},
        LoadFailure{"DeviceRefuses", kGood, 1, 1, 0, "生成失敗！", "refused"},
        LoadFailure{"DuplicateRefused", kGood, 3, 0, 1, "のメモリ共用バッファの生成失敗！", "refused"},
        LoadFailure{"NoBuffers", kGood, 0, 0, 0, "のメモリ確保失敗！", "buffer count 0"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SoundEffectsTest, GroupsRotateThroughBuffersAndRestartEachOne) {
  test::WriteFile(WavePath("決定.wav"), kGood);
  ASSERT_TRUE(DS_Init(*sound, 22050, 8, 1));
  SoundGroup& rotating = sound->groups[kSoundDecide];
  ASSERT_TRUE(DSCreateBufferGropeFromFile(*sound, rotating, "wave\\決定.wav", 3, 0));
  SoundGroup& single = sound->groups[kSoundCursor];
  ASSERT_TRUE(DSCreateBufferGropeFromFile(*sound, single, "wave\\決定.wav", 1, 0));
  // Duplicates share the first buffer's samples.
  EXPECT_EQ(device->buffers[rotating.buffers[2]], device->buffers[rotating.buffers[0]]);

  for (int i = 0; i < 4; ++i) PlaySound(*sound, kSoundDecide);
  PlaySound(*sound, kSoundCursor);
  PlaySound(*sound, kSoundCursor, platform::kPlayLooping);
  const auto& b = rotating.buffers;
  const auto s = single.buffers[0];
  EXPECT_EQ(Calls(AudioOp::PlayBuffer),
            (std::vector<AudioCall>{{AudioOp::PlayBuffer, b[0], 0},
                                    {AudioOp::PlayBuffer, b[1], 0},
                                    {AudioOp::PlayBuffer, b[2], 0},
                                    {AudioOp::PlayBuffer, b[0], 0},
                                    {AudioOp::PlayBuffer, s, 0},
                                    {AudioOp::PlayBuffer, s, 1}}));
}

TEST_F(SoundEffectsTest, VolumesAreSetAddedAndClamped) {
  test::WriteFile(WavePath("決定.wav"), kGood);
  ASSERT_TRUE(DS_Init(*sound, 22050, 8, 1));
  SoundGroup& group = sound->groups[kSoundDecide];
  ASSERT_TRUE(DSCreateBufferGropeFromFile(*sound, group, "wave\\決定.wav", 2, -300));
  const auto b0 = group.buffers[0];
  const auto b1 = group.buffers[1];
  SetSoundVolume(*sound, kSoundDecide, 1, -500, true);    // -300 - 500
  SetSoundVolume(*sound, kSoundDecide, 0, -9000, true);   // -9300
  SetSoundVolume(*sound, kSoundDecide, 0, -2000, true);   // below -10000
  SetSoundVolume(*sound, kSoundDecide, 1, 4000, false);   // above 0
  SetSoundVolume(*sound, kSoundDecide, 1, -1200, false);
  SetSoundVolume(*sound, kSoundDecide, 2, 0, false);      // no buffer 2
  EXPECT_EQ(Calls(AudioOp::SetVolume),
            (std::vector<AudioCall>{{AudioOp::SetVolume, b0, -300},
                                    {AudioOp::SetVolume, b1, -300},
                                    {AudioOp::SetVolume, b1, -800},
                                    {AudioOp::SetVolume, b0, -9300},
                                    {AudioOp::SetVolume, b0, -10000},
                                    {AudioOp::SetVolume, b1, 0},
                                    {AudioOp::SetVolume, b1, -1200}}));
  EXPECT_EQ(diagnostics.debugLines, std::vector<std::string>{kOutOfRangeLine});
}

TEST(MixerVolume, FollowsTheDecibelLawWithinItsRange) {
  const std::pair<int, int> cases[] = {{0, 128},      {-600, 64},  {-2000, 13}, {-4000, 1},
                                       {-10000, 0},   {-20000, 0}, {500, 128},  {-100, 114}};
  for (const auto& [hundredths, expected] : cases) {
    EXPECT_EQ(platform::MixerVolume(hundredths), expected) << hundredths;
  }
}

TEST_F(SoundEffectsTest, OutOfRangeIdsPlayNothing) {
  ASSERT_TRUE(DS_Init(*sound, 22050, 8, 1));
  PlaySound(*sound, -1);
  PlaySound(*sound, kSoundGroupCount);
  PlaySound(*sound, kSoundJump);  // loaded nothing
  EXPECT_TRUE(Calls(AudioOp::PlayBuffer).empty());
  EXPECT_EQ(diagnostics.debugLines, (std::vector<std::string>{kOutOfRangeLine, kOutOfRangeLine}));
}

TEST_F(SoundEffectsTest, ReleaseFreesEveryBufferAndClosesTheDevice) {
  WriteAllTableFiles();
  ASSERT_TRUE(DS_Init(*sound, 22050, 8, 1));
  ASSERT_TRUE(DSCreateBufferGroup(*sound));
  ReleaseSound(*sound);
  EXPECT_EQ(Calls(AudioOp::ReleaseBuffer).size(), static_cast<size_t>(kSoundGroupCount));
  EXPECT_FALSE(device->IsOpen());
  PlaySound(*sound, kSoundDecide);
  EXPECT_TRUE(Calls(AudioOp::PlayBuffer).empty());
}

class SilentSoundTest : public SoundEffectsTest {
 protected:
  SilentSoundTest() : SoundEffectsTest(false) {}
};

TEST_F(SilentSoundTest, WithoutOutputEverythingIsANoOpAndPlaysAreRecorded) {
  ASSERT_TRUE(DS_Init(*sound, 22050, 8, 1));
  EXPECT_FALSE(sound->deviceReady);
  ASSERT_EQ(diagnostics.reports.size(), 1u);
  EXPECT_NE(diagnostics.reports[0].find("no audio output"), std::string::npos);
  // No file exists, yet loading succeeds without touching the disk.
  EXPECT_TRUE(DSCreateBufferGroup(*sound));
  frame = 12;
  PlaySound(*sound, kSoundDecide);
  PlaySound(*sound, kSoundJump);
  frame = 40;
  PlaySound(*sound, kSoundDecide);
  SetSoundVolume(*sound, kSoundDecide, 0, -100, false);
  ReleaseSound(*sound);
  EXPECT_TRUE(device->calls.empty());
  EXPECT_TRUE(diagnostics.debugLines.empty());
  EXPECT_EQ(sound->Plays(), (std::vector<SoundPlay>{{12, kSoundDecide}, {12, kSoundJump}, {40, kSoundDecide}}));
}

// The application's way: the context built on a headless platform.
TEST(HeadlessSound, RecordsEachPlayWithTheFrameItBelongsTo) {
  std::string error;
  platform::PlatformOptions options;
  options.kind = platform::BackendKind::Headless;
  auto platform = platform::CreatePlatform(options, error);
  ASSERT_TRUE(platform) << error;
  platform::RecordingDiagnostics diagnostics;
  test::TempFolder folder("headless");
  SoundSystem sound(*platform, diagnostics, folder.Path());
  ASSERT_TRUE(DS_Init(sound, 22050, 8, 1));
  EXPECT_FALSE(sound.deviceReady);
  ASSERT_TRUE(DSCreateBufferGroup(sound));

  const std::vector<uint32_t> picture(platform::kPictureWidth * platform::kPictureHeight);
  PlaySound(sound, kSoundCursor);
  platform->Present(picture.data());
  platform->Present(picture.data());
  PlaySound(sound, kSoundDecide);
  PlaySound(sound, kSoundJump);
  EXPECT_EQ(sound.Plays(), (std::vector<SoundPlay>{{0, kSoundCursor}, {2, kSoundDecide}, {2, kSoundJump}}));
}

TEST(ItemSoundId, MapsSettingsAndRefusesOthers) {
  const int expected[] = {-1, 4, 24, 25, 26, 19, 20, 21, 22, 23, 9, 30, 27, 28, 29, 18, 3};
  for (int setting = 0; setting <= 16; ++setting) EXPECT_EQ(ItemSoundId(setting), expected[setting]);
  EXPECT_EQ(ItemSoundId(-1), -1);
  EXPECT_EQ(ItemSoundId(17), -1);
}

}  // namespace
}  // namespace vh::sound
