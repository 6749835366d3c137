// Reading the structure of a standard MIDI file far enough to know how long
// it plays: the header, every track's events and the tempo changes.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace vh::sound {

struct MidiInfo {
  int format = 0;
  int trackCount = 0;  // "MTrk" chunks read
  uint64_t lengthTicks = 0;
  uint32_t lengthMs = 0;  // from the start to the end of the longest track
};

// Returns false with the reason in `why` for anything that is not a complete
// standard MIDI file (header, tracks whose events all lie inside their chunk).
bool ReadMidiInfo(std::span<const uint8_t> file, MidiInfo& info, std::string& why);

}  // namespace vh::sound
