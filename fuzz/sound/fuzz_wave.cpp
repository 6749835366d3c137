// The WAV reader on any bytes: it either refuses them with a reason and
// leaves its output alone, or returns samples that lie inside the input,
// which a device then accepts or refuses as a whole.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "platform/audio/RecordingAudioDevice.h"
#include "sound/WaveReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> file(data, size);
  vh::sound::WaveData wave;
  wave.blockAlign = -1;
  std::string why;
  if (!vh::sound::ReadWave(file, wave, why)) {
    if (why.empty() || wave.blockAlign != -1 || !wave.samples.empty()) __builtin_trap();
    return 0;
  }
  if (wave.samples.size() > size) __builtin_trap();

  vh::platform::RecordingAudioDevice device(true);
  std::string reason;
  device.Open({22050, 8, 1}, reason);
  std::string error;
  const auto id = device.CreateBuffer(wave.format, wave.samples, error);
  const bool playable = vh::platform::IsPlayablePcm(wave.format, wave.samples.size());
  if ((id != vh::platform::kNoAudioBuffer) != playable) __builtin_trap();
  return 0;
}
