// The shape of a block of PCM samples, and the rules a sound buffer's format
// must meet before any device accepts it.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vh::platform {

struct PcmFormat {
  int samplesPerSec = 22050;
  int bitsPerSample = 8;  // 8 (unsigned) or 16 (signed little-endian)
  int channels = 1;
};

// Bytes of one sample frame (all channels).
int FrameBytes(const PcmFormat& format);

// A buffer can be made from `format` holding `dataBytes` bytes: 8 or 16 bits,
// one or two channels, 100..200000 samples per second, and at least one whole
// sample frame.
bool IsPlayablePcm(const PcmFormat& format, size_t dataBytes);

// Hundredths of a decibel (clamped to -10000..0) to the mixer's 0..128
// amplitude scale: 128 * 10^(dB / 20), rounded.
int MixerVolume(int hundredthsOfDb);

}  // namespace vh::platform
