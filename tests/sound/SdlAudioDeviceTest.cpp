// The SDL2_mixer device through SDL's disk audio driver: what the mixer
// writes is read back from the file and measured.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <thread>

#include "platform/audio/AudioDevice.h"
#include "platform/audio/SoundFontSearch.h"
#include "platform/Diagnostics.h"
#include "sound/Music.h"
#include "sound/SoundEffects.h"
#include "sound/SoundFiles.h"

namespace vh::platform {
namespace {

using namespace std::chrono_literals;
using sound::test::Bytes;

constexpr int kRate = 22050;

// Peak distance from the 8-bit silence level over `bytes` from `begin`.
int Peak(const Bytes& bytes, size_t begin = 0, size_t end = SIZE_MAX) {
  int peak = 0;
  for (size_t i = begin; i < std::min(end, bytes.size()); ++i) {
    peak = std::max(peak, std::abs(static_cast<int>(bytes[i]) - 128));
  }
  return peak;
}

double Rms(const Bytes& bytes) {
  double sum = 0;
  for (const uint8_t b : bytes) sum += (b - 128.0) * (b - 128.0);
  return bytes.empty() ? 0 : std::sqrt(sum / static_cast<double>(bytes.size()));
}

class SdlAudioDeviceTest : public ::testing::Test {
 protected:
  std::unique_ptr<AudioDevice> MakeDevice(MusicFinishedHandler finished = {},
                                          std::vector<std::filesystem::path> soundFonts = {}) {
    SdlAudioOptions options;
    options.driver = "disk";
    options.diskFile = output.string();
    options.soundFonts = std::move(soundFonts);
    return CreateSdlAudioDevice(std::move(finished), options);
  }

  sound::test::TempFolder folder{"sdl"};
  std::filesystem::path output = folder.Path() / "out.raw";
};

TEST_F(SdlAudioDeviceTest, EffectsPlayAtTheRequestedFormatAndFromEveryInputFormat) {
  auto device = MakeDevice();
  std::string reason;
  ASSERT_TRUE(device->Open({kRate, 8, 1}, reason)) << reason;
  EXPECT_EQ(device->Description(), "disk 22050Hz 8bit 1ch, 256 frames per block");

  // A 16-bit stereo tone at another rate is converted; an 8-bit one is taken as is.
  Bytes wide;
  for (int i = 0; i < 4410; ++i) {
    const int16_t v = (i / 20) % 2 ? 12000 : -12000;
    for (int channel = 0; channel < 2; ++channel) sound::test::PutLe16(wide, static_cast<uint16_t>(v));
  }
  Bytes narrow(2205);
  for (size_t i = 0; i < narrow.size(); ++i) narrow[i] = (i / 10) % 2 ? 0xb0 : 0x50;
  std::string error;
  const AudioBufferId a = device->CreateBuffer({44100, 16, 2}, wide, error);
  const AudioBufferId b = device->CreateBuffer({kRate, 8, 1}, narrow, error);
  ASSERT_NE(a, kNoAudioBuffer) << error;
  ASSERT_NE(b, kNoAudioBuffer) << error;
  EXPECT_EQ(device->CreateBuffer({kRate, 12, 1}, narrow, error), kNoAudioBuffer);

  std::this_thread::sleep_for(100ms);
  const uint64_t before = device->MixedFrames();  // one byte per frame
  EXPECT_GT(before, 0u);
  device->PlayBuffer(a, 0);
  std::this_thread::sleep_for(300ms);
  const uint64_t middle = device->MixedFrames();
  device->SetBufferVolume(b, -600);
  device->PlayBuffer(b, 0);
  std::this_thread::sleep_for(300ms);
  device->Close();

  const Bytes out = sound::test::ReadFile(output);
  EXPECT_LT(Peak(out, 0, before), 2);  // silence before anything played
  const int loud = Peak(out, before, middle);
  const int halved = Peak(out, middle);
  EXPECT_GT(loud, 35);
  EXPECT_GT(halved, 20);               // 0x30 at half amplitude
  EXPECT_LT(halved, 30);
}

TEST_F(SdlAudioDeviceTest, MusicPlaysAndReportsItsEndInTimeToLoop) {
  const char* env = std::getenv("SDL_SOUNDFONTS");
  const SoundFontSearch search = FindSoundFont(env ? env : "", DebianSoundFontPaths());
  if (search.found.empty()) GTEST_SKIP() << "no General MIDI soundfont is installed";

  std::atomic<int> finishedGeneration{0};
  std::atomic<uint64_t> mixedAtEnd{0};
  std::atomic<AudioDevice*> self{nullptr};
  auto device = MakeDevice([&](int generation) {
    mixedAtEnd = self.load()->MixedFrames();
    finishedGeneration = generation;
  });
  self = device.get();
  std::string reason;
  ASSERT_TRUE(device->Open({kRate, 8, 1}, reason)) << reason;
  std::vector<std::string> lines;
  ASSERT_TRUE(device->StartMusicPlayer(lines));
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NE(lines[0].find(search.found.string()), std::string::npos);

  std::string error;
  ASSERT_TRUE(device->OpenMusic(sound::test::ShortTune(), 1000, error)) << error;
  auto waitForEnd = [&](int generation) {
    for (int i = 0; i < 400 && finishedGeneration != generation; ++i) std::this_thread::sleep_for(10ms);
    return finishedGeneration == generation;
  };
  // Played twice, as the main loop does when the first play reports its end.
  for (int round = 0; round < 2; ++round) {
    const uint64_t start = device->MixedFrames();
    ASSERT_TRUE(device->PlayMusic(error)) << error;
    const int generation = device->MusicGeneration();
    ASSERT_TRUE(waitForEnd(generation)) << "round " << round;
    // Reported after the piece's second of sound, well before the
    // synthesiser's own end (two seconds later).
    const double seconds = static_cast<double>(mixedAtEnd - start) / kRate;
    EXPECT_GT(seconds, 0.99) << "round " << round;
    EXPECT_LT(seconds, 1.05) << "round " << round;
  }
  // Stopping never reports an end.
  ASSERT_TRUE(device->PlayMusic(error)) << error;
  const int stopped = device->MusicGeneration();
  std::this_thread::sleep_for(200ms);
  device->StopMusic();
  std::this_thread::sleep_for(1300ms);
  EXPECT_NE(finishedGeneration, stopped);
  device->Close();

  const Bytes out = sound::test::ReadFile(output);
  EXPECT_GT(Peak(out), 20);
  EXPECT_GT(Rms(out), 2.0);
}

// The whole loop as the application runs it: the end of the piece arrives
// as a MusicFinished event, and handing it to the sound layer plays it again.
TEST_F(SdlAudioDeviceTest, FinishedMusicComesBackAsAnEventAndLoops) {
  const char* env = std::getenv("SDL_SOUNDFONTS");
  if (FindSoundFont(env ? env : "", DebianSoundFontPaths()).found.empty()) {
    GTEST_SKIP() << "no General MIDI soundfont is installed";
  }
  std::string error;
  PlatformOptions options;
  options.kind = BackendKind::Headless;
  auto events = CreatePlatform(options, error);
  ASSERT_TRUE(events) << error;
  auto device = MakeDevice([&events](int generation) {
    events->PostEvent({EventType::MusicFinished, generation});
  });
  sound::test::WriteFile(folder.Path() / "midi" / "Title.mid", sound::test::ShortTune());
  RecordingDiagnostics diagnostics;
  sound::SoundSystem system(std::move(device), diagnostics, folder.Path());
  ASSERT_TRUE(sound::DS_Init(system, kRate, 8, 1));
  system.music.enabled = true;
  ASSERT_TRUE(sound::ResizeSound(system, 1));
  ASSERT_TRUE(sound::PlayMusic(system, 0, sound::kMusicTitle, "midi\\Title.mid", 0, false))
      << diagnostics.reports.back();

  int loops = 0;
  for (int i = 0; i < 600 && loops < 2; ++i) {
    std::this_thread::sleep_for(10ms);
    Event event{EventType::Quit};
    while (events->PollEvent(event)) {
      if (event.type != EventType::MusicFinished) continue;
      const int before = system.Device().MusicGeneration();
      sound::OnMusicFinished(system, event.value);
      EXPECT_GT(system.Device().MusicGeneration(), before);  // a new play: older notices are stale
      ++loops;
    }
  }
  EXPECT_EQ(loops, 2);
  EXPECT_EQ(system.music.playingSlot, 0);
  sound::ReleaseSound(system);
  sound::ReleaseMusic(system);
}

TEST_F(SdlAudioDeviceTest, MissingSoundFontLeavesMusicOffAndSaysWhere) {
  if (std::getenv("SDL_SOUNDFONTS") != nullptr) GTEST_SKIP() << "SDL_SOUNDFONTS is set";
  const auto nowhere = folder.Path() / "none.sf2";
  auto device = MakeDevice({}, {nowhere});
  std::string reason;
  ASSERT_TRUE(device->Open({kRate, 8, 1}, reason)) << reason;
  std::vector<std::string> lines;
  EXPECT_FALSE(device->StartMusicPlayer(lines));
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NE(lines[0].find("no General MIDI soundfont"), std::string::npos);
  EXPECT_NE(lines[0].find(nowhere.string()), std::string::npos);
  std::string error;
  EXPECT_FALSE(device->OpenMusic(sound::test::ShortTune(), 1000, error));
}

TEST(SoundFontSearch, TriesTheVariableFirstThenTheDefaultsAndTakesTheFirstFile) {
  sound::test::TempFolder folder("fonts");
  const auto a = folder.Path() / "a.sf2";
  const auto b = folder.Path() / "b.sf2";
  sound::test::WriteFile(b, {1});
  const std::vector<std::filesystem::path> defaults{a, b};

  SoundFontSearch found = FindSoundFont((a.string() + ";" + folder.Path().string() + ":" + b.string()),
                                        defaults);
  EXPECT_EQ(found.found, b);
  EXPECT_EQ(found.searched, (std::vector<std::string>{a.string(), folder.Path().string(), b.string()}));

  found = FindSoundFont("", defaults);
  EXPECT_EQ(found.found, b);
  EXPECT_EQ(found.searched.size(), 2u);

  found = FindSoundFont("", std::vector<std::filesystem::path>{a});
  EXPECT_TRUE(found.found.empty());
  EXPECT_EQ(found.searched, std::vector<std::string>{a.string()});
}

}  // namespace
}  // namespace vh::platform
