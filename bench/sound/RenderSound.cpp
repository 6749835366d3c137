// Plays wave and MIDI files through the SDL2_mixer device on SDL's disk
// audio driver, one raw output file each (22050 Hz, unsigned 8-bit, mono),
// so that they can be listened to as numbers: vh_sound_render OUT_DIR FILE...
// For each file it prints the output path and the frames where the sound
// starts and ends, ready for `sox -t raw -r 22050 -e unsigned -b 8 -c 1 OUT
// -n trim STARTs =ENDs stat`.
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <thread>

#include "platform/audio/AudioDevice.h"
#include "sound/FileBytes.h"
#include "sound/MidiReader.h"
#include "sound/WaveReader.h"

namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

struct Span {
  uint64_t start = 0;
  uint64_t end = 0;
};

bool RenderWave(vh::platform::AudioDevice& device, const std::vector<uint8_t>& bytes, Span& span,
                std::string& why) {
  vh::sound::WaveData wave;
  if (!vh::sound::ReadWave(bytes, wave, why)) return false;
  const auto id = device.CreateBuffer(wave.format, wave.samples, why);
  if (id == vh::platform::kNoAudioBuffer) return false;
  std::this_thread::sleep_for(50ms);
  device.PlayBuffer(id, 0);
  span.start = device.MixedFrames();
  const uint64_t frames = wave.samples.size() / static_cast<size_t>(vh::platform::FrameBytes(wave.format));
  span.end = span.start + frames * 22050 / static_cast<uint64_t>(wave.format.samplesPerSec);
  while (device.MixedFrames() < span.end + 2048) std::this_thread::sleep_for(5ms);
  return true;
}

bool RenderMidi(vh::platform::AudioDevice& device, std::atomic<int>& finished,
                std::vector<uint8_t> bytes, Span& span, std::string& why) {
  vh::sound::MidiInfo info;
  if (!vh::sound::ReadMidiInfo(bytes, info, why)) return false;
  std::vector<std::string> lines;
  if (!device.StartMusicPlayer(lines)) {
    why = lines.empty() ? "no music player" : lines.front();
    return false;
  }
  if (!device.OpenMusic(std::move(bytes), info.lengthMs, why) || !device.PlayMusic(why)) return false;
  span.start = device.MixedFrames();
  const int generation = device.MusicGeneration();
  const auto limit = std::chrono::steady_clock::now() + std::chrono::milliseconds(info.lengthMs) + 10s;
  while (finished != generation && std::chrono::steady_clock::now() < limit) {
    std::this_thread::sleep_for(5ms);
  }
  span.end = device.MixedFrames();
  if (finished != generation) {
    why = "the end of the music was not reported";
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: vh_sound_render OUT_DIR FILE...\n");
    return 2;
  }
  const fs::path outDir = argv[1];
  fs::create_directories(outDir);
  int failures = 0;
  for (int i = 2; i < argc; ++i) {
    const fs::path input = argv[i];
    const fs::path output = outDir / (input.stem().string() + ".raw");
    std::vector<uint8_t> bytes;
    std::string why;
    Span span;
    bool ok = vh::sound::ReadFileBytes(input, 64u << 20, bytes, why);
    if (ok) {
      std::atomic<int> finished{0};
      vh::platform::SdlAudioOptions options;
      options.driver = "disk";
      options.diskFile = output.string();
      auto device = vh::platform::CreateSdlAudioDevice([&finished](int g) { finished = g; }, options);
      ok = device->Open({22050, 8, 1}, why);
      if (ok && input.extension() == ".mid") {
        ok = RenderMidi(*device, finished, std::move(bytes), span, why);
      } else if (ok) {
        ok = RenderWave(*device, bytes, span, why);
      }
      device->Close();
    }
    if (ok) {
      std::printf("%s %s %llu %llu\n", input.c_str(), output.c_str(),
                  static_cast<unsigned long long>(span.start), static_cast<unsigned long long>(span.end));
    } else {
      std::fprintf(stderr, "%s: %s\n", input.c_str(), why.c_str());
      ++failures;
    }
  }
  return failures == 0 ? 0 : 1;
}
