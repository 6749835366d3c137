#include "sound/Music.h"

#include <gtest/gtest.h>

#include "platform/audio/RecordingAudioDevice.h"
#include "sound/SoundEffects.h"
#include "sound/SoundFiles.h"

namespace vh::sound {
namespace {

using platform::AudioCall;
using platform::AudioOp;

constexpr const char* kTitle = "midi\\Title.mid";
constexpr const char* kEdit = "midi\\Edit.mid";

class MusicTest : public ::testing::Test {
 protected:
  MusicTest() {
    auto owned = std::make_unique<platform::RecordingAudioDevice>(true);
    device = owned.get();
    sound = std::make_unique<SoundSystem>(std::move(owned), diagnostics, folder.Path());
    test::WriteFile(folder.Path() / "midi" / "Title.mid", test::ShortTune());
    test::WriteFile(folder.Path() / "midi" / "Edit.mid", test::ShortTune());
  }
  // Enabled as the construction settings would, with one slot.
  void Enable() {
    sound->music.enabled = true;
    ASSERT_TRUE(ResizeSound(*sound, 1));
  }
  // Only the music operations, in order.
  std::vector<AudioOp> MusicOps() const {
    std::vector<AudioOp> ops;
    for (const auto& call : device->calls) ops.push_back(call.op);
    return ops;
  }

  test::TempFolder folder{"music"};
  platform::RecordingDiagnostics diagnostics;
  platform::RecordingAudioDevice* device = nullptr;
  std::unique_ptr<SoundSystem> sound;
};

using Op = AudioOp;

TEST_F(MusicTest, DisabledMusicDoesNothingAndSucceeds) {
  EXPECT_TRUE(ResizeSound(*sound, 1));
  EXPECT_TRUE(PlayMusic(*sound, 0, kMusicTitle, kTitle, 0, false));
  EXPECT_TRUE(PlayMusic(*sound, 0, kMusicEdit, kEdit, 0, true));
  StopMusic(*sound);
  OnMusicFinished(*sound, device->MusicGeneration());
  EXPECT_TRUE(device->calls.empty());
  EXPECT_TRUE(sound->music.slots.empty());
}

TEST_F(MusicTest, MissingSynthesiserLeavesMusicOffButStartUpGoesOn) {
  device->musicPlayerMissing = true;
  sound->music.enabled = true;
  EXPECT_TRUE(ResizeSound(*sound, 1));
  EXPECT_FALSE(sound->music.enabled);
  ASSERT_EQ(diagnostics.reports.size(), 1u);
  EXPECT_NE(diagnostics.reports[0].find("music is off"), std::string::npos);
  EXPECT_TRUE(PlayMusic(*sound, 0, kMusicTitle, kTitle, 0, false));
  EXPECT_TRUE(device->calls.empty());
}

TEST_F(MusicTest, SlotCountOutsideRangeFails) {
  sound->music.enabled = true;
  EXPECT_FALSE(ResizeSound(*sound, 0));
  EXPECT_FALSE(ResizeSound(*sound, kMaxMusicSlots + 1));
  EXPECT_TRUE(ResizeSound(*sound, 2));
  EXPECT_EQ(sound->music.slots.size(), 2u);
  EXPECT_EQ(sound->music.lastMusicId, -1);
}

TEST_F(MusicTest, SameIdContinuesUnlessForced) {
  Enable();
  device->calls.clear();
  ASSERT_TRUE(PlayMusic(*sound, 0, kMusicTitle, kTitle, 0, false));  // title
  ASSERT_TRUE(PlayMusic(*sound, 0, kMusicTitle, kTitle, 0, false));  // select: keeps playing
  EXPECT_EQ(MusicOps(), (std::vector<Op>{Op::OpenMusic, Op::PlayMusic}));
  EXPECT_EQ(device->calls[0].value, 1000);  // the piece's length goes to the device

  device->calls.clear();
  ASSERT_TRUE(PlayMusic(*sound, 0, kMusicStage, kTitle, 0, true));  // next stage, same file
  ASSERT_TRUE(PlayMusic(*sound, 0, kMusicStage, kTitle, 0, true));
  EXPECT_EQ(MusicOps(), (std::vector<Op>{Op::StopMusic, Op::CloseMusic, Op::OpenMusic, Op::PlayMusic,
                                         Op::StopMusic, Op::CloseMusic, Op::OpenMusic, Op::PlayMusic}));

  device->calls.clear();
  ASSERT_TRUE(PlayMusic(*sound, 0, kMusicTitle, kTitle, 0, false));  // back to the title
  EXPECT_EQ(MusicOps(), (std::vector<Op>{Op::StopMusic, Op::CloseMusic, Op::OpenMusic, Op::PlayMusic}));
  EXPECT_EQ(sound->music.lastMusicId, kMusicTitle);
  EXPECT_EQ(sound->music.playingSlot, 0);
}

TEST_F(MusicTest, StagePathsAreShiftJisWindowsPathsInAnyCase) {
  Enable();
  test::WriteFile(folder.Path() / "midi" / std::filesystem::u8path("洞窟.mid"), test::ShortTune());
  // "MIDI\洞窟.MID" in Shift-JIS.
  const std::string sjis = "MIDI\\\x93\xb4\x8c\x41.MID";
  // Wrong case for the folder; the file name's case is matched too.
  EXPECT_TRUE(PlayMusic(*sound, 0, kMusicStage, sjis, 0, true)) << diagnostics.reports.back();
  EXPECT_EQ(sound->music.slots[0].fileName, sjis);
}

struct OpenFailure {
  const char* name;
  test::Bytes file;  // empty = missing
  bool deviceRefuses;
  const char* reason;
};

test::Bytes WithoutLastBytes(test::Bytes file, size_t count) {
  file.erase(file.end() - static_cast<std::ptrdiff_t>(count), file.end());
  return file;
}

class MusicOpenFailures : public MusicTest, public ::testing::WithParamInterface<OpenFailure> {};

TEST_P(MusicOpenFailures, LeaveSilenceAndAreNotTakenForARepeat) {
  const OpenFailure& c = GetParam();
  Enable();
  ASSERT_TRUE(PlayMusic(*sound, 0, kMusicTitle, kTitle, 0, false));
  if (!c.file.empty()) test::WriteFile(folder.Path() / "midi" / "Stage01.mid", c.file);
  device->failMusicOpen = c.deviceRefuses;
  EXPECT_FALSE(PlayMusic(*sound, 0, kMusicStage, "midi\\Stage01.mid", 0, true));
  EXPECT_EQ(sound->music.lastMusicId, -1);
  EXPECT_EQ(sound->music.playingSlot, -1);
  EXPECT_FALSE(device->musicOpen);
  ASSERT_FALSE(diagnostics.reports.empty());
  EXPECT_NE(diagnostics.reports.back().find("midi\\Stage01.mid"), std::string::npos);
  EXPECT_NE(diagnostics.reports.back().find(c.reason), std::string::npos) << diagnostics.reports.back();

  // The title is asked for again (not forced) and does start.
  device->failMusicOpen = false;
  device->calls.clear();
  EXPECT_TRUE(PlayMusic(*sound, 0, kMusicTitle, kTitle, 0, false));
  EXPECT_EQ(device->calls.back().op, Op::PlayMusic);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MusicOpenFailures,
    ::testing::Values(OpenFailure{"Missing", {}, false, "cannot open"},
                      OpenFailure{"Junk", test::Bytes(100, 0x4d), false, "not a standard MIDI"},
                      OpenFailure{"Truncated", WithoutLastBytes(test::ShortTune(), 4), false,
                                  "truncated"},
                      OpenFailure{"SynthesiserRefuses", test::ShortTune(), true, "refused"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MusicTest, BadRequestsFailWithoutTouchingTheDevice) {
  Enable();
  device->calls.clear();
  EXPECT_FALSE(PlayMusic(*sound, 1, kMusicTitle, kTitle, 0, false));
  EXPECT_FALSE(PlayMusic(*sound, 0, kMusicTitle, kTitle, 500, false));
  EXPECT_TRUE(device->calls.empty());
  EXPECT_EQ(diagnostics.reports.size(), 2u);  // one line per request
}

TEST_F(MusicTest, FinishedPieceLoopsAndStaleNoticesAreIgnored) {
  Enable();
  ASSERT_TRUE(PlayMusic(*sound, 0, kMusicTitle, kTitle, 0, false));
  const int first = device->MusicGeneration();
  device->calls.clear();

  OnMusicFinished(*sound, first);
  EXPECT_EQ(MusicOps(), (std::vector<Op>{Op::PlayMusic}));
  const int second = device->MusicGeneration();
  EXPECT_NE(second, first);

  // A notice that was queued before the restart, or before a new piece, is stale.
  OnMusicFinished(*sound, first);
  ASSERT_TRUE(PlayMusic(*sound, 0, kMusicEdit, kEdit, 0, false));
  device->calls.clear();
  OnMusicFinished(*sound, second);
  EXPECT_TRUE(device->calls.empty());

  // Stopped music does not come back.
  const int current = device->MusicGeneration();
  StopMusic(*sound);
  OnMusicFinished(*sound, current);
  OnMusicFinished(*sound, device->MusicGeneration());
  EXPECT_EQ(MusicOps(), (std::vector<Op>{Op::StopMusic}));
  // And stopping keeps the id: the same request is still a repeat.
  EXPECT_TRUE(PlayMusic(*sound, 0, kMusicEdit, kEdit, 0, false));
  EXPECT_EQ(MusicOps(), (std::vector<Op>{Op::StopMusic}));
}

TEST_F(MusicTest, ReleaseClosesEverySlotAndTheDevice) {
  Enable();
  ASSERT_TRUE(DS_Init(*sound, 22050, 8, 1));
  ASSERT_TRUE(PlayMusic(*sound, 0, kMusicTitle, kTitle, 0, false));
  ReleaseSound(*sound);
  EXPECT_TRUE(device->IsOpen());  // the music still plays until it is released
  ReleaseMusic(*sound);
  EXPECT_TRUE(sound->music.slots.empty());
  EXPECT_FALSE(device->musicOpen);
  EXPECT_FALSE(device->IsOpen());
  EXPECT_TRUE(PlayMusic(*sound, 0, kMusicEdit, kEdit, 0, false) == false);
}

}  // namespace
}  // namespace vh::sound
