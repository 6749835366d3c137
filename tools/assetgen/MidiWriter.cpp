#include "MidiWriter.h"

#include <algorithm>
#include <cmath>

namespace vh::assetgen {
namespace {

void PutVlq(std::vector<uint8_t>& out, uint32_t value) {
  uint8_t bytes[5];
  int count = 0;
  bytes[count++] = value & 0x7f;
  while (value >>= 7) bytes[count++] = static_cast<uint8_t>((value & 0x7f) | 0x80);
  while (count > 0) out.push_back(bytes[--count]);
}

void PutBe32(std::vector<uint8_t>& out, uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(v >> shift));
}

uint8_t Clamp7(int v) { return static_cast<uint8_t>(std::clamp(v, 0, 127)); }

}  // namespace

void MidiTrack::Meta(uint32_t tick, uint8_t type, std::vector<uint8_t> data, int order) {
  std::vector<uint8_t> bytes{0xff, type};
  PutVlq(bytes, static_cast<uint32_t>(data.size()));
  bytes.insert(bytes.end(), data.begin(), data.end());
  events_.push_back({tick, order, std::move(bytes)});
}

void MidiTrack::Name(std::string_view text) { Meta(0, 0x03, {text.begin(), text.end()}); }

void MidiTrack::Tempo(uint32_t tick, double beatsPerMinute) {
  const uint32_t micros = static_cast<uint32_t>(std::lround(60000000.0 / beatsPerMinute));
  Meta(tick, 0x51, {static_cast<uint8_t>(micros >> 16), static_cast<uint8_t>(micros >> 8),
                    static_cast<uint8_t>(micros)});
}

void MidiTrack::TimeSignature(uint32_t tick, int numerator, int denominatorPower) {
  Meta(tick, 0x58, {static_cast<uint8_t>(numerator), static_cast<uint8_t>(denominatorPower), 24, 8});
}

void MidiTrack::KeySignature(uint32_t tick, int sharps, bool minor) {
  Meta(tick, 0x59, {static_cast<uint8_t>(static_cast<int8_t>(sharps)), static_cast<uint8_t>(minor ? 1 : 0)});
}

void MidiTrack::Program(uint32_t tick, int channel, int program) {
  events_.push_back({tick, 1, {static_cast<uint8_t>(0xc0 | channel), Clamp7(program)}});
}

void MidiTrack::Control(uint32_t tick, int channel, int controller, int value) {
  events_.push_back(
      {tick, 1, {static_cast<uint8_t>(0xb0 | channel), Clamp7(controller), Clamp7(value)}});
}

void MidiTrack::Note(uint32_t tick, uint32_t length, int channel, int key, int velocity) {
  events_.push_back({tick, 2, {static_cast<uint8_t>(0x90 | channel), Clamp7(key), Clamp7(std::max(1, velocity))}});
  events_.push_back({tick + length, 0, {static_cast<uint8_t>(0x80 | channel), Clamp7(key), 0}});
}

void MidiTrack::End(uint32_t tick) { Meta(tick, 0x2f, {}, 3); }

uint32_t MidiTrack::LastTick() const {
  uint32_t last = 0;
  for (const auto& e : events_) last = std::max(last, e.tick);
  return last;
}

std::vector<uint8_t> MidiTrack::Encode() const {
  std::vector<Event> sorted = events_;
  std::stable_sort(sorted.begin(), sorted.end(), [](const Event& a, const Event& b) {
    return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
  });
  std::vector<uint8_t> body;
  uint32_t at = 0;
  for (const auto& e : sorted) {
    PutVlq(body, e.tick - at);
    at = e.tick;
    body.insert(body.end(), e.bytes.begin(), e.bytes.end());
  }
  std::vector<uint8_t> out{'M', 'T', 'r', 'k'};
  PutBe32(out, static_cast<uint32_t>(body.size()));
  out.insert(out.end(), body.begin(), body.end());
  return out;
}

std::vector<uint8_t> EncodeMidiFile(uint16_t ticksPerQuarter, const std::vector<MidiTrack>& tracks) {
  std::vector<uint8_t> out{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1};
  out.push_back(static_cast<uint8_t>(tracks.size() >> 8));
  out.push_back(static_cast<uint8_t>(tracks.size()));
  out.push_back(static_cast<uint8_t>(ticksPerQuarter >> 8));
  out.push_back(static_cast<uint8_t>(ticksPerQuarter));
  for (const auto& track : tracks) {
    const auto bytes = track.Encode();
    out.insert(out.end(), bytes.begin(), bytes.end());
  }
  return out;
}

}  // namespace vh::assetgen
