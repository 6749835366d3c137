// Writing standard MIDI files (format 1): events are collected per track at
// absolute ticks and encoded in time order, note-offs before note-ons at the
// same tick so repeated notes never overlap.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace vh::assetgen {

class MidiTrack {
 public:
  void Name(std::string_view text);
  void Tempo(uint32_t tick, double beatsPerMinute);
  void TimeSignature(uint32_t tick, int numerator, int denominatorPower);
  void KeySignature(uint32_t tick, int sharps, bool minor);
  void Program(uint32_t tick, int channel, int program);
  void Control(uint32_t tick, int channel, int controller, int value);
  // A note from `tick` lasting `length` ticks.
  void Note(uint32_t tick, uint32_t length, int channel, int key, int velocity);
  // The end of the track; nothing may come after it.
  void End(uint32_t tick);

  uint32_t LastTick() const;
  std::vector<uint8_t> Encode() const;

 private:
  struct Event {
    uint32_t tick;
    int order;  // 0 note-off, 1 settings, 2 note-on, 3 end of track
    std::vector<uint8_t> bytes;
  };
  void Meta(uint32_t tick, uint8_t type, std::vector<uint8_t> data, int order = 1);
  std::vector<Event> events_;
};

std::vector<uint8_t> EncodeMidiFile(uint16_t ticksPerQuarter, const std::vector<MidiTrack>& tracks);

}  // namespace vh::assetgen
