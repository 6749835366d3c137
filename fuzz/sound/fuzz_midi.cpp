// The MIDI reader on any bytes: it either refuses them with a reason and
// leaves its output alone, or describes at least one track.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "sound/MidiReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vh::sound::MidiInfo info;
  info.trackCount = -1;
  std::string why;
  if (!vh::sound::ReadMidiInfo(std::span<const uint8_t>(data, size), info, why)) {
    if (why.empty() || info.trackCount != -1) __builtin_trap();
    return 0;
  }
  if (info.trackCount < 1 || info.format < 0 || info.format > 2) __builtin_trap();
  return 0;
}
