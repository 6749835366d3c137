// Encoding float samples as the 8-bit mono PCM WAV files of the wave folder.
#pragma once

#include <cstdint>
#include <vector>

namespace vh::assetgen {

// RIFF "WAVE" with a 16-byte "fmt " chunk (PCM, 1 channel, 8 bits) and a
// "data" chunk; samples in -1..1 are rounded to 0..255 around 128.
std::vector<uint8_t> EncodeWave8(const std::vector<float>& samples, int rate);

}  // namespace vh::assetgen
