#include "sound/MidiReader.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace vh::sound {
namespace {

constexpr uint32_t kDefaultTempo = 500000;  // microseconds per quarter note

struct TempoChange {
  uint64_t tick;
  uint32_t microsPerQuarter;
};

uint32_t ReadBe32(const uint8_t* p) {
  return (static_cast<uint32_t>(p[0]) << 24) | (static_cast<uint32_t>(p[1]) << 16) |
         (static_cast<uint32_t>(p[2]) << 8) | p[3];
}

uint16_t ReadBe16(const uint8_t* p) { return static_cast<uint16_t>((p[0] << 8) | p[1]); }

// Cursor over one track body; every read is checked against its end.
class TrackCursor {
 public:
  explicit TrackCursor(std::span<const uint8_t> body) : body_(body) {}
  bool AtEnd() const { return pos_ >= body_.size(); }
  bool Byte(uint8_t& value) {
    if (pos_ >= body_.size()) return false;
    value = body_[pos_++];
    return true;
  }
  // A variable-length quantity of at most four bytes.
  bool Vlq(uint32_t& value) {
    value = 0;
    for (int i = 0; i < 4; ++i) {
      uint8_t byte = 0;
      if (!Byte(byte)) return false;
      value = (value << 7) | (byte & 0x7fu);
      if ((byte & 0x80u) == 0) return true;
    }
    return false;
  }
  bool Skip(uint32_t count) {
    if (body_.size() - pos_ < count) return false;
    pos_ += count;
    return true;
  }
  const uint8_t* Here() const { return body_.data() + pos_; }

 private:
  std::span<const uint8_t> body_;
  size_t pos_ = 0;
};

int ChannelDataBytes(uint8_t status) {
  const uint8_t kind = status & 0xf0;
  return (kind == 0xc0 || kind == 0xd0) ? 1 : 2;
}

// Reads one track; its length in ticks goes to `endTick`, tempo changes to `tempos`.
bool ReadTrack(std::span<const uint8_t> body, uint64_t& endTick, std::vector<TempoChange>& tempos,
               std::string& why) {
  TrackCursor cursor(body);
  uint64_t tick = 0;
  uint8_t running = 0;
  while (!cursor.AtEnd()) {
    uint32_t delta = 0;
    uint8_t status = 0;
    if (!cursor.Vlq(delta) || !cursor.Byte(status)) {
      why = "a track event is cut off";
      return false;
    }
    tick += delta;
    if (status < 0x80) {
      if (running == 0) {
        why = "a track event has no status";
        return false;
      }
      // Running status: this byte was the first data byte.
      if (!cursor.Skip(static_cast<uint32_t>(ChannelDataBytes(running) - 1))) {
        why = "a track event is cut off";
        return false;
      }
      continue;
    }
    if (status < 0xf0) {
      running = status;
      if (!cursor.Skip(static_cast<uint32_t>(ChannelDataBytes(status)))) {
        why = "a track event is cut off";
        return false;
      }
      continue;
    }
    running = 0;  // system exclusive and meta events cancel running status
    uint8_t metaType = 0;
    if (status == 0xff && !cursor.Byte(metaType)) {
      why = "a meta event is cut off";
      return false;
    }
    if (status != 0xff && status != 0xf0 && status != 0xf7) {
      why = "a track holds a system message that files may not contain";
      return false;
    }
    uint32_t length = 0;
    if (!cursor.Vlq(length)) {
      why = "an event length is cut off";
      return false;
    }
    const uint8_t* data = cursor.Here();
    if (!cursor.Skip(length)) {
      why = "an event runs past the end of its track";
      return false;
    }
    if (status == 0xff && metaType == 0x51 && length >= 3) {
      const uint32_t tempo = (static_cast<uint32_t>(data[0]) << 16) | (data[1] << 8) | data[2];
      if (tempo > 0) tempos.push_back({tick, tempo});
    }
    if (status == 0xff && metaType == 0x2f) break;
  }
  endTick = tick;
  return true;
}

double TicksToMs(uint64_t ticks, uint16_t division, std::vector<TempoChange> tempos) {
  if (division & 0x8000) {
    // SMPTE time: frames per second in the high byte (negative), ticks per frame low.
    const int fps = -static_cast<int8_t>(division >> 8);
    const int ticksPerFrame = division & 0xff;
    return static_cast<double>(ticks) * 1000.0 / (static_cast<double>(fps) * ticksPerFrame);
  }
  std::stable_sort(tempos.begin(), tempos.end(),
                   [](const TempoChange& a, const TempoChange& b) { return a.tick < b.tick; });
  double micros = 0;
  uint64_t at = 0;
  uint32_t tempo = kDefaultTempo;
  for (const auto& change : tempos) {
    if (change.tick >= ticks) break;
    micros += static_cast<double>(change.tick - at) * tempo / division;
    at = change.tick;
    tempo = change.microsPerQuarter;
  }
  micros += static_cast<double>(ticks - at) * tempo / division;
  return micros / 1000.0;
}

bool ValidDivision(uint16_t division) {
  if ((division & 0x8000) == 0) return division != 0;
  const int fps = -static_cast<int8_t>(division >> 8);
  return (fps == 24 || fps == 25 || fps == 29 || fps == 30) && (division & 0xff) != 0;
}

}  // namespace

bool ReadMidiInfo(std::span<const uint8_t> file, MidiInfo& info, std::string& why) {
  if (file.size() < 14 || std::memcmp(file.data(), "MThd", 4) != 0) {
    why = "not a standard MIDI file";
    return false;
  }
  const uint32_t headerSize = ReadBe32(file.data() + 4);
  if (headerSize < 6 || file.size() - 8 < headerSize) {
    why = "the MIDI header is damaged";
    return false;
  }
  const uint16_t format = ReadBe16(file.data() + 8);
  const uint16_t declaredTracks = ReadBe16(file.data() + 10);
  const uint16_t division = ReadBe16(file.data() + 12);
  if (format > 2 || declaredTracks == 0 || !ValidDivision(division)) {
    why = "the MIDI header is damaged";
    return false;
  }

  std::vector<TempoChange> tempos;
  uint64_t longest = 0;
  int tracks = 0;
  size_t offset = 8 + static_cast<size_t>(headerSize);
  while (tracks < declaredTracks && file.size() - offset >= 8) {
    const uint32_t size = ReadBe32(file.data() + offset + 4);
    const size_t body = offset + 8;
    if (file.size() - body < size) {
      why = "a MIDI track is truncated";
      return false;
    }
    if (std::memcmp(file.data() + offset, "MTrk", 4) == 0) {
      uint64_t endTick = 0;
      if (!ReadTrack(file.subspan(body, size), endTick, tempos, why)) return false;
      longest = std::max(longest, endTick);
      ++tracks;
    }
    offset = body + size;
  }
  if (tracks == 0) {
    why = "the MIDI file has no track";
    return false;
  }

  MidiInfo result;
  result.format = format;
  result.trackCount = tracks;
  result.lengthTicks = longest;
  const double ms = TicksToMs(longest, division, std::move(tempos));
  result.lengthMs = ms >= 4294967295.0 ? 0xffffffffu : static_cast<uint32_t>(ms + 0.5);
  info = result;
  return true;
}

}  // namespace vh::sound
