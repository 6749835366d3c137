#include "platform/audio/PcmFormat.h"

#include <algorithm>
#include <cmath>

namespace vh::platform {

int FrameBytes(const PcmFormat& format) { return format.channels * (format.bitsPerSample / 8); }

bool IsPlayablePcm(const PcmFormat& format, size_t dataBytes) {
  if (format.bitsPerSample != 8 && format.bitsPerSample != 16) return false;
  if (format.channels != 1 && format.channels != 2) return false;
  if (format.samplesPerSec < 100 || format.samplesPerSec > 200000) return false;
  return dataBytes >= static_cast<size_t>(FrameBytes(format));
}

int MixerVolume(int hundredthsOfDb) {
  const int clamped = std::clamp(hundredthsOfDb, -10000, 0);
  const double amplitude = std::pow(10.0, clamped / 2000.0);
  return static_cast<int>(std::lround(128.0 * amplitude));
}

}  // namespace vh::platform
