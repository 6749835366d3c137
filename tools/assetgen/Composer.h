// A small composer for the default music: a song is a key, a tempo, a form
// of sections with one chord per bar, and a style for each of the four
// parts (melody, accompaniment, bass, drums). The melody grows from rhythmic
// motifs that come back over new chords, so each tune has themes of its own.
// Every piece ends on a bar line with all notes released, so it loops.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vh::assetgen {

enum class Quality { Major, Minor, Diminished, Sus4, Major7, Minor7, Dominant7 };

struct Chord {
  int root;  // semitones above the key's tonic
  Quality quality = Quality::Major;
};

enum class Comp { Pad, Arpeggio, OffbeatStabs, Strum };
enum class Bass { Pump, RootFifth, Walking, Sparse, Gallop };
enum class Drums { Rock, Dance, Light, HalfTime, March };

// One bar of melody rhythm in eighth notes: positive = a note of that many
// eighths, negative = a rest. The values add up to 8.
using Rhythm = std::vector<int>;

struct Section {
  std::vector<Chord> chords;  // one per bar
  std::string motifs;         // one letter per bar ('a'.. picks the song's rhythm; '-' = no melody)
  int energy = 2;             // 0 quiet .. 3 full; thins or thickens the accompaniment and drums
};

struct Song {
  std::string name;
  double bpm = 120;
  int tonic = 60;                  // MIDI note of the key's tonic
  std::vector<int> scale;          // seven semitone offsets
  int keySharps = 0;               // for the key signature
  bool minor = false;
  int leadProgram = 0, compProgram = 0, bassProgram = 32;
  Comp comp = Comp::Pad;
  Bass bass = Bass::RootFifth;
  Drums drums = Drums::Rock;
  int leadOctaveShift = 0;         // octaves above the tonic the melody centres on
  int volume = 100;                // percent of every part's channel volume (headroom)
  std::vector<Rhythm> rhythms;     // motif 'a' is rhythms[0], ...
  std::vector<Section> form;
  uint32_t seed = 1;
};

inline constexpr uint16_t kTicksPerQuarter = 480;
inline constexpr uint32_t kTicksPerBar = 4 * kTicksPerQuarter;

int BarCount(const Song& song);
double LengthSeconds(const Song& song);

// The song as a format-1 standard MIDI file: a tempo track, then melody,
// accompaniment, bass and drums (channel 10).
std::vector<uint8_t> ComposeSong(const Song& song);

}  // namespace vh::assetgen
