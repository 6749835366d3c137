#include "WaveFile.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace vh::assetgen {
namespace {

void Put32(std::vector<uint8_t>& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}
void Put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}
void PutId(std::vector<uint8_t>& out, std::string_view id) { out.insert(out.end(), id.begin(), id.end()); }

}  // namespace

std::vector<uint8_t> EncodeWave8(const std::vector<float>& samples, int rate) {
  const uint32_t dataSize = static_cast<uint32_t>(samples.size());
  std::vector<uint8_t> out;
  PutId(out, "RIFF");
  Put32(out, 4 + (8 + 16) + (8 + dataSize + (dataSize & 1u)));
  PutId(out, "WAVE");
  PutId(out, "fmt ");
  Put32(out, 16);
  Put16(out, 1);  // PCM
  Put16(out, 1);  // mono
  Put32(out, static_cast<uint32_t>(rate));
  Put32(out, static_cast<uint32_t>(rate));  // bytes per second
  Put16(out, 1);                            // block align
  Put16(out, 8);
  PutId(out, "data");
  Put32(out, dataSize);
  for (const float v : samples) {
    const long level = std::lround(128.0 + 127.0 * std::clamp(v, -1.0f, 1.0f));
    out.push_back(static_cast<uint8_t>(level));
  }
  if (dataSize & 1u) out.push_back(0x80);
  return out;
}

}  // namespace vh::assetgen
