#include "Songs.h"

namespace vh::assetgen {
namespace {

const std::vector<int> kMajor{0, 2, 4, 5, 7, 9, 11};
const std::vector<int> kMinor{0, 2, 3, 5, 7, 8, 10};
const std::vector<int> kDorian{0, 2, 3, 5, 7, 9, 10};
const std::vector<int> kHarmonicMinor{0, 2, 3, 5, 7, 8, 11};

constexpr Quality M = Quality::Major, m = Quality::Minor, M7 = Quality::Major7, m7 = Quality::Minor7,
                  D7 = Quality::Dominant7;

// General MIDI programs (0-based).
enum Program : int {
  kElectricPiano = 4, kCelesta = 8, kVibraphone = 11, kNylonGuitar = 24, kCleanGuitar = 27,
  kAcousticBass = 32, kFingerBass = 33, kPickedBass = 34, kSynthBass = 38, kSynthBass2 = 39,
  kStrings = 48, kTrumpet = 56, kBrassSection = 61, kFlute = 73, kSquareLead = 80, kWarmPad = 89,
  kSweepPad = 95,
};

// Heroic and bright: a fanfare-like theme over a steady rock beat.
Song Title() {
  Song s;
  s.name = "Title";
  s.bpm = 124;
  s.tonic = 62;  // D
  s.scale = kMajor;
  s.keySharps = 2;
  s.leadProgram = kTrumpet;
  s.compProgram = kStrings;
  s.bassProgram = kFingerBass;
  s.comp = Comp::Pad;
  s.bass = Bass::RootFifth;
  s.drums = Drums::Rock;
  s.rhythms = {{3, 1, 2, 2}, {2, 2, 4}, {1, 1, 2, 1, 1, 2}, {4, 2, 2}, {2, 1, 1, 4}};
  const std::vector<Chord> verse{{0, M}, {7, M}, {9, m}, {5, M}, {0, M}, {7, M}, {5, M}, {7, M}};
  s.form = {
      {{{0, M}, {5, M}, {0, M}, {7, M}}, "----", 1},
      {verse, "abacabdz", 2},
      {verse, "abacabdz", 3},
      {{{5, M}, {7, M}, {4, m}, {9, m}, {2, m}, {7, M}, {0, M}, {7, M}}, "ccdcceez", 2},
      {{{5, M}, {7, M}}, "--", 2},
  };
  s.seed = 11;
  return s;
}

// Unhurried and warm for building stages: seventh chords, walking bass, brushes.
Song Edit() {
  Song s;
  s.name = "Edit";
  s.bpm = 96;
  s.tonic = 65;  // F
  s.scale = kMajor;
  s.keySharps = -1;
  s.leadProgram = kVibraphone;
  s.compProgram = kElectricPiano;
  s.bassProgram = kAcousticBass;
  s.comp = Comp::Pad;
  s.bass = Bass::Walking;
  s.drums = Drums::Light;
  s.rhythms = {{-1, 2, 1, 4}, {3, 3, 2}, {2, 2, 2, 2}, {-2, 1, 1, 4}, {4, -1, 1, 2}, {1, 2, 1, -2, 2}};
  const std::vector<Chord> home{{0, M7}, {9, m7}, {2, m7}, {7, D7}, {0, M7}, {9, m7}, {2, m7}, {7, D7}};
  s.form = {
      {{{0, M7}, {7, D7}}, "--", 0},
      {home, "abacabdz", 1},
      {{{5, M7}, {4, m7}, {2, m7}, {7, D7}, {5, M7}, {4, m7}, {2, m7}, {7, D7}}, "efefecez", 2},
      {{{0, M7}, {9, m7}, {2, m7}, {7, D7}, {0, M7}, {7, D7}}, "abacz-", 1},
  };
  s.seed = 23;
  return s;
}

// Sunny and quick: square-wave lead, picked guitar, pumping synth bass.
Song Stage01() {
  Song s;
  s.name = "Stage01";
  s.bpm = 150;
  s.tonic = 67;  // G
  s.scale = kMajor;
  s.keySharps = 1;
  s.leadProgram = kSquareLead;
  s.compProgram = kCleanGuitar;
  s.bassProgram = kSynthBass;
  s.comp = Comp::Arpeggio;
  s.bass = Bass::Pump;
  s.drums = Drums::Rock;
  s.volume = 85;  // the square lead and pumping bass peak highest
  s.rhythms = {{1, 1, 2, 1, 1, 2}, {2, 1, 1, 2, 2}, {1, 1, 1, 1, 4}, {3, 3, 2},
               {2, 2, 1, 1, 2},    {-1, 1, 2, -1, 1, 2}, {4, 2, 2}, {1, 1, 1, 1, 1, 1, 2}};
  const std::vector<Chord> verse{{0, M}, {9, m}, {5, M}, {7, M}, {0, M}, {9, m}, {5, M}, {7, M}};
  s.form = {
      {{{0, M}, {7, M}, {5, M}, {7, M}}, "----", 1},
      {verse, "abacabdz", 2},
      {{{5, M}, {7, M}, {4, m}, {9, m}, {5, M}, {7, M}, {0, M}, {7, M}}, "efefegfz", 3},
      {verse, "abacabdz", 3},
      {{{9, m}, {5, M}, {0, M}, {7, M}, {9, m}, {5, M}, {2, m}, {7, M}}, "ghghghgz", 2},
      {{{5, M}, {7, M}, {5, M}, {7, M}}, "----", 2},
  };
  s.seed = 37;
  return s;
}

// A walk through the woods: dorian flute tune over nylon-string arpeggios.
Song Stage02() {
  Song s;
  s.name = "Stage02";
  s.bpm = 132;
  s.tonic = 69;  // A
  s.scale = kDorian;
  s.keySharps = 0;
  s.minor = true;
  s.leadProgram = kFlute;
  s.compProgram = kNylonGuitar;
  s.bassProgram = kAcousticBass;
  s.comp = Comp::Arpeggio;
  s.bass = Bass::RootFifth;
  s.drums = Drums::Rock;
  s.rhythms = {{2, 1, 1, 2, 2}, {3, 1, 4}, {1, 1, 1, 1, 2, 2}, {2, 2, 4},
               {1, 1, 2, 1, 1, 2}, {4, -2, 2}, {2, 1, 1, -2, 2}};
  const std::vector<Chord> theme{{0, m}, {5, M}, {0, m}, {5, M}, {3, M}, {10, M}, {5, M}, {5, M}};
  s.form = {
      {{{0, m}, {5, M}, {0, m}, {5, M}}, "----", 1},
      {theme, "ababcdcz", 2},
      {{{10, M}, {10, M}, {0, m}, {0, m}, {10, M}, {10, M}, {5, M}, {7, m}}, "efefegez", 3},
      {theme, "ababcdcz", 3},
      {{{0, m}, {5, M}, {10, M}, {5, M}}, "----", 1},
  };
  s.seed = 41;
  return s;
}

// Deep underground: sparse celesta over a slow pad, half-time ride and shaker.
Song Stage03() {
  Song s;
  s.name = "Stage03";
  s.bpm = 100;
  s.tonic = 62;  // D
  s.scale = kMinor;
  s.keySharps = -1;
  s.minor = true;
  s.leadProgram = kCelesta;
  s.compProgram = kSweepPad;
  s.bassProgram = kSynthBass2;
  s.leadOctaveShift = 1;
  s.comp = Comp::Pad;
  s.bass = Bass::Sparse;
  s.drums = Drums::HalfTime;
  s.rhythms = {{4, 2, 2}, {2, 2, 4}, {6, 2}, {3, 1, 2, 2}, {-2, 2, 4}, {2, 2, 2, 2}};
  s.form = {
      {{{0, m}, {8, M}, {0, m}, {8, M}}, "----", 0},
      {{{0, m}, {8, M}, {10, M}, {0, m}, {5, m}, {8, M}, {7, m}, {7, M}}, "a-b-a-cz", 1},
      {{{8, M}, {10, M}, {0, m}, {0, m}, {8, M}, {10, M}, {7, M}, {7, M}}, "dede-dfz", 2},
      {{{5, m}, {8, M}, {7, M}, {7, M}}, "----", 1},
  };
  s.seed = 53;
  return s;
}

// The last fortress: brass over driving strings, galloping bass, double kicks.
Song Stage04() {
  Song s;
  s.name = "Stage04";
  s.bpm = 168;
  s.tonic = 64;  // E
  s.scale = kHarmonicMinor;
  s.keySharps = 1;
  s.minor = true;
  s.leadProgram = kBrassSection;
  s.compProgram = kStrings;
  s.bassProgram = kPickedBass;
  s.comp = Comp::Strum;
  s.bass = Bass::Gallop;
  s.drums = Drums::March;
  s.rhythms = {{1, 1, 1, 1, 2, 2}, {2, 2, 2, 2}, {3, 1, 1, 1, 2}, {2, 1, 1, 4},
               {4, 4},             {2, 2, 4},    {1, 1, 2, 1, 1, 2}, {-1, 1, 1, 1, -1, 1, 2}};
  const std::vector<Chord> theme{{0, m}, {8, M}, {5, m}, {7, M}, {0, m}, {8, M}, {5, m}, {7, M}};
  s.form = {
      {{{0, m}, {0, m}, {8, M}, {7, M}}, "----", 2},
      {theme, "abacabdz", 3},
      {{{8, M}, {10, M}, {0, m}, {0, m}, {8, M}, {10, M}, {7, M}, {7, M}}, "efefegez", 2},
      {theme, "abacabdz", 3},
      {{{5, m}, {7, M}, {0, m}, {8, M}, {5, m}, {7, M}, {8, M}, {7, M}}, "ghghghgz", 3},
      {{{0, m}, {8, M}, {5, m}, {7, M}}, "----", 1},
      {theme, "abacabdz", 3},
  };
  s.seed = 67;
  return s;
}

}  // namespace

std::vector<SongFile> DefaultSongs() {
  return {{"Title.mid", Title()},     {"Edit.mid", Edit()},       {"Stage01.mid", Stage01()},
          {"Stage02.mid", Stage02()}, {"Stage03.mid", Stage03()}, {"Stage04.mid", Stage04()}};
}

}  // namespace vh::assetgen
