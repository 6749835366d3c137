#include "sound/WaveReader.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "sound/RiffChunks.h"

namespace vh::sound {
namespace {

constexpr uint32_t kMinFormatBytes = 16;  // tag, channels, rate, bytes/s, align, bits
constexpr uint32_t kMaxFormatBytes = 18;
constexpr uint16_t kFormatPcm = 1;

// The first top-level "RIFF" chunk whose form type is "WAVE".
std::optional<RiffChunk> FindWaveForm(std::span<const uint8_t> file) {
  size_t offset = 0;
  while (auto riff = FindChunk(file, offset, file.size(), "RIFF")) {
    if (riff->size >= 4 && file.size() - riff->dataOffset >= 4 &&
        std::memcmp(file.data() + riff->dataOffset, "WAVE", 4) == 0) {
      return riff;
    }
    offset = riff->End();
  }
  return std::nullopt;
}

}  // namespace

bool ReadWave(std::span<const uint8_t> file, WaveData& wave, std::string& why) {
  const auto riff = FindWaveForm(file);
  if (!riff) {
    why = "not a RIFF WAVE file";
    return false;
  }
  const size_t formEnd = riff->dataOffset + riff->size;  // may run past the file; reads are checked
  const auto fmt = FindChunk(file, riff->dataOffset + 4, formEnd, "fmt ");
  if (!fmt) {
    why = "no \"fmt \" chunk";
    return false;
  }
  if (fmt->size > kMaxFormatBytes) {
    why = "the format chunk is larger than 18 bytes";
    return false;
  }
  if (fmt->size < kMinFormatBytes || file.size() - fmt->dataOffset < kMinFormatBytes) {
    why = "the format chunk is too short";
    return false;
  }
  const uint16_t tag = ReadLe16(file, fmt->dataOffset);
  if (tag != kFormatPcm) {
    why = "not plain PCM (format tag " + std::to_string(tag) + ")";
    return false;
  }
  const auto data = FindChunk(file, fmt->End(), formEnd, "data");
  if (!data) {
    why = "no \"data\" chunk after the format chunk";
    return false;
  }
  if (file.size() - data->dataOffset < data->size) {
    why = "the data chunk is truncated";
    return false;
  }

  WaveData result;
  result.format.channels = ReadLe16(file, fmt->dataOffset + 2);
  result.format.samplesPerSec = static_cast<int>(
      std::min<uint32_t>(ReadLe32(file, fmt->dataOffset + 4), 0x7fffffff));
  result.blockAlign = ReadLe16(file, fmt->dataOffset + 12);
  result.format.bitsPerSample = ReadLe16(file, fmt->dataOffset + 14);
  const auto* first = file.data() + data->dataOffset;
  result.samples.assign(first, first + data->size);
  wave = std::move(result);
  return true;
}

}  // namespace vh::sound
