// Small WAV and MIDI files built in memory for the sound tests, and a
// temporary data folder to put them in.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

namespace vh::sound::test {

using Bytes = std::vector<uint8_t>;

inline void PutLe16(Bytes& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}
inline void PutLe32(Bytes& out, uint32_t v) {
  PutLe16(out, v & 0xffff);
  PutLe16(out, v >> 16);
}
inline void PutBe16(Bytes& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v >> 8));
  out.push_back(static_cast<uint8_t>(v));
}
inline void PutBe32(Bytes& out, uint32_t v) {
  PutBe16(out, v >> 16);
  PutBe16(out, v & 0xffff);
}
inline void PutId(Bytes& out, std::string_view id) { out.insert(out.end(), id.begin(), id.end()); }

// A RIFF chunk: id, little-endian size, body, pad byte for odd sizes.
inline Bytes Chunk(std::string_view id, const Bytes& body, int64_t sizeOverride = -1) {
  Bytes out;
  PutId(out, id);
  PutLe32(out, sizeOverride >= 0 ? static_cast<uint32_t>(sizeOverride)
                                 : static_cast<uint32_t>(body.size()));
  out.insert(out.end(), body.begin(), body.end());
  if (body.size() % 2) out.push_back(0);
  return out;
}

inline Bytes FormatBody(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits,
                        size_t extraBytes = 0) {
  Bytes body;
  const uint16_t align = static_cast<uint16_t>(channels * bits / 8);
  PutLe16(body, tag);
  PutLe16(body, channels);
  PutLe32(body, rate);
  PutLe32(body, rate * align);
  PutLe16(body, align);
  PutLe16(body, bits);
  body.resize(body.size() + extraBytes, 0);
  return body;
}

inline Bytes Concat(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const auto& part : parts) out.insert(out.end(), part.begin(), part.end());
  return out;
}

// "RIFF" size "WAVE" followed by the given chunks.
inline Bytes RiffWave(const Bytes& chunks, std::string_view form = "WAVE") {
  Bytes body;
  PutId(body, form);
  body.insert(body.end(), chunks.begin(), chunks.end());
  return Chunk("RIFF", body);
}

// A plain 8-bit PCM mono WAV holding `samples`.
inline Bytes PcmWave(const Bytes& samples, uint32_t rate = 22050, uint16_t channels = 1,
                     uint16_t bits = 8) {
  return RiffWave(Concat({Chunk("fmt ", FormatBody(1, channels, rate, bits)), Chunk("data", samples)}));
}

inline void PutVlq(Bytes& out, uint32_t value) {
  Bytes reversed{static_cast<uint8_t>(value & 0x7f)};
  while (value >>= 7) reversed.push_back(static_cast<uint8_t>((value & 0x7f) | 0x80));
  out.insert(out.end(), reversed.rbegin(), reversed.rend());
}

// One MIDI track body assembled event by event.
struct TrackBuilder {
  Bytes body;
  TrackBuilder& Event(uint32_t delta, std::initializer_list<uint8_t> bytes) {
    PutVlq(body, delta);
    body.insert(body.end(), bytes);
    return *this;
  }
  TrackBuilder& Tempo(uint32_t delta, uint32_t microsPerQuarter) {
    return Event(delta, {0xff, 0x51, 0x03, static_cast<uint8_t>(microsPerQuarter >> 16),
                         static_cast<uint8_t>(microsPerQuarter >> 8),
                         static_cast<uint8_t>(microsPerQuarter)});
  }
  TrackBuilder& Note(uint32_t delta, uint8_t channel, uint8_t key, uint32_t length) {
    Event(delta, {static_cast<uint8_t>(0x90 | channel), key, 100});
    return Event(length, {static_cast<uint8_t>(0x80 | channel), key, 0});
  }
  TrackBuilder& End(uint32_t delta = 0) { return Event(delta, {0xff, 0x2f, 0x00}); }
};

inline Bytes MidiFile(uint16_t format, uint16_t division, const std::vector<Bytes>& tracks,
                      int declaredTracks = -1) {
  Bytes out;
  PutId(out, "MThd");
  PutBe32(out, 6);
  PutBe16(out, format);
  PutBe16(out, declaredTracks >= 0 ? static_cast<uint32_t>(declaredTracks)
                                   : static_cast<uint32_t>(tracks.size()));
  PutBe16(out, division);
  for (const auto& track : tracks) {
    PutId(out, "MTrk");
    PutBe32(out, static_cast<uint32_t>(track.size()));
    out.insert(out.end(), track.begin(), track.end());
  }
  return out;
}

// A one-second piano phrase at 120 beats per minute (four quarter notes).
inline Bytes ShortTune() {
  TrackBuilder track;
  track.Event(0, {0xc0, 0x00});
  for (uint8_t key : {60, 64, 67, 72}) track.Note(0, 0, key, 240);
  track.End();
  return MidiFile(0, 480, {track.body});
}

inline void WriteFile(const std::filesystem::path& path, const Bytes& bytes) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline Bytes ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

// A fresh folder below the system's temporary directory, removed afterwards.
class TempFolder {
 public:
  // Named after the running test plus a random number, so test processes
  // running side by side never share one.
  explicit TempFolder(const std::string& name)
      : path_(std::filesystem::temp_directory_path() /
              ("vh_sound_" + name + "_" + TestName() + "_" + std::to_string(std::random_device{}()))) {
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() { std::filesystem::remove_all(path_); }
  const std::filesystem::path& Path() const { return path_; }

 private:
  static std::string TestName() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = info ? info->name() : "none";
    for (char& c : name) {
      if (c == '/') c = '_';
    }
    return name;
  }

  std::filesystem::path path_;
};

}  // namespace vh::sound::test
