// Reading a RIFF WAVE file: a "WAVE" form holding a "fmt " chunk of at most
// 18 bytes with format tag 1 (plain PCM) and, after it, a "data" chunk.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/audio/PcmFormat.h"

namespace vh::sound {

struct WaveData {
  platform::PcmFormat format;
  int blockAlign = 0;
  std::vector<uint8_t> samples;
};

// Fills `wave` and returns true, or returns false with the reason in `why`
// and leaves `wave` untouched.
bool ReadWave(std::span<const uint8_t> file, WaveData& wave, std::string& why);

}  // namespace vh::sound
