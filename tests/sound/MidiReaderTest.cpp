#include "sound/MidiReader.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "sound/SoundFiles.h"

namespace vh::sound {
namespace {

using test::Bytes;
using test::MidiFile;
using test::TrackBuilder;

struct LengthCase {
  const char* name;
  Bytes file;
  int tracks;
  uint64_t ticks;
  uint32_t ms;
};

class MidiLength : public ::testing::TestWithParam<LengthCase> {};

TEST_P(MidiLength, FollowsTracksAndTempoMap) {
  const LengthCase& c = GetParam();
  MidiInfo info;
  std::string why;
  ASSERT_TRUE(ReadMidiInfo(c.file, info, why)) << why;
  EXPECT_EQ(info.trackCount, c.tracks);
  EXPECT_EQ(info.lengthTicks, c.ticks);
  EXPECT_EQ(info.lengthMs, c.ms);
}

// Format 1: the tempo track halves the tempo after two beats; the longest
// track (8 beats of 480 ticks) decides the length: 2 x 500 ms + 6 x 250 ms.
Bytes TempoChangeSong() {
  TrackBuilder tempo;
  tempo.Tempo(0, 500000).Tempo(960, 250000).End();
  TrackBuilder melody;
  melody.Note(0, 0, 60, 960).Note(0, 0, 62, 2880).End();
  TrackBuilder drums;
  drums.Note(0, 9, 36, 120).End(240);
  return MidiFile(1, 480, {tempo.body, melody.body, drums.body});
}

// Running status, a system-exclusive message, a program change (one data
// byte) and a trailing rest before the end of the track.
Bytes RunningStatusSong() {
  TrackBuilder track;
  track.Event(0, {0xf0, 0x03, 0x7e, 0x09, 0xf7})
      .Event(0, {0xc0, 0x05})
      .Event(0, {0x90, 60, 100})
      .Event(96, {64, 100})
      .Event(96, {60, 0})
      .Event(96, {64, 0})
      .End(192);
  return MidiFile(0, 96, {track.body});
}

// No end-of-track event: the last event ends the track.
Bytes NoEndOfTrack() {
  TrackBuilder track;
  track.Note(0, 0, 60, 480);
  return MidiFile(0, 480, {track.body});
}

// 25 frames per second, 40 ticks per frame: 1000 ticks per second.
Bytes SmpteSong() {
  TrackBuilder track;
  track.Note(0, 0, 60, 2500).End();
  return MidiFile(0, 0xe728, {track.body});
}

// Unknown chunks between tracks are skipped; only declared tracks are read.
Bytes AlienChunk() {
  TrackBuilder track;
  track.Note(0, 0, 60, 480).End();
  Bytes file = MidiFile(0, 480, {track.body});
  const Bytes alien{'X', 'T', 'R', 'A', 0, 0, 0, 2, 0xaa, 0xbb};
  file.insert(file.begin() + 14, alien.begin(), alien.end());
  return file;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MidiLength,
    ::testing::Values(LengthCase{"ShortTune", test::ShortTune(), 1, 960, 1000},
                      LengthCase{"TempoChange", TempoChangeSong(), 3, 3840, 2500},
                      LengthCase{"RunningStatus", RunningStatusSong(), 1, 480, 2500},
                      LengthCase{"NoEndOfTrack", NoEndOfTrack(), 1, 480, 500},
                      LengthCase{"Smpte", SmpteSong(), 1, 2500, 2500},
                      LengthCase{"AlienChunk", AlienChunk(), 1, 480, 500}),
    [](const auto& info) { return std::string(info.param.name); });

struct RejectCase {
  const char* name;
  Bytes file;
  const char* reason;
};

class MidiRejects : public ::testing::TestWithParam<RejectCase> {};

TEST_P(MidiRejects, FailsWithReason) {
  const RejectCase& c = GetParam();
  MidiInfo info;
  info.trackCount = 99;
  std::string why;
  EXPECT_FALSE(ReadMidiInfo(c.file, info, why));
  EXPECT_NE(why.find(c.reason), std::string::npos) << why;
  EXPECT_EQ(info.trackCount, 99);
}

Bytes WithTrack(const Bytes& body, uint16_t division = 480) { return MidiFile(0, division, {body}); }

Bytes CutOff(Bytes file, size_t drop) {
  file.erase(file.end() - static_cast<std::ptrdiff_t>(std::min(drop, file.size())), file.end());
  return file;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MidiRejects,
    ::testing::Values(
        RejectCase{"Empty", Bytes{}, "not a standard MIDI"},
        RejectCase{"Wave", test::PcmWave(Bytes(20, 0x80)), "not a standard MIDI"},
        RejectCase{"ZeroDivision", WithTrack(TrackBuilder().End().body, 0), "header is damaged"},
        RejectCase{"BadSmpteRate", WithTrack(TrackBuilder().End().body, 0xe528), "header is damaged"},
        RejectCase{"FormatThree", MidiFile(3, 480, {TrackBuilder().End().body}), "header is damaged"},
        RejectCase{"NoTracksDeclared", MidiFile(0, 480, {}, 0), "header is damaged"},
        RejectCase{"NoTrackPresent", MidiFile(0, 480, {}, 1), "no track"},
        RejectCase{"TruncatedTrack", CutOff(test::ShortTune(), 3), "truncated"},
        RejectCase{"DataWithoutStatus", WithTrack(TrackBuilder().Event(0, {0x40, 0x40}).End().body),
                   "no status"},
        RejectCase{"NoteCutOff", WithTrack(TrackBuilder().Event(0, {0x90, 60}).body), "cut off"},
        RejectCase{"LongVlq", WithTrack(Bytes{0xff, 0xff, 0xff, 0xff, 0x7f, 0x90, 60, 1}),
                   "cut off"},
        RejectCase{"MetaPastEnd", WithTrack(Bytes{0x00, 0xff, 0x01, 0x7f, 'a'}), "past the end"},
        RejectCase{"SysexPastEnd", WithTrack(Bytes{0x00, 0xf0, 0x81, 0x00, 0x7e}), "past the end"},
        RejectCase{"RealTimeInFile", WithTrack(TrackBuilder().Event(0, {0xf8}).End().body),
                   "system message"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vh::sound
