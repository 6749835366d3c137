#include "Composer.h"

#include <algorithm>
#include <map>

#include "MidiWriter.h"

namespace vh::assetgen {
namespace {

constexpr uint32_t kEighth = kTicksPerQuarter / 2;
constexpr uint32_t kSixteenth = kTicksPerQuarter / 4;
constexpr int kLeadChannel = 0, kCompChannel = 1, kBassChannel = 2, kDrumChannel = 9;

// General MIDI percussion keys.
enum Drum : int {
  kKick = 36, kSideStick = 37, kSnare = 38, kClap = 39, kLowTom = 41, kClosedHat = 42,
  kMidTom = 45, kOpenHat = 46, kHighTom = 48, kCrash = 49, kRide = 51, kTambourine = 54,
  kShaker = 70,
};

// A small deterministic dice, so the same song description always gives the same file.
class Dice {
 public:
  explicit Dice(uint32_t seed) : state_(seed * 2654435761u + 1) {}
  int Roll(int sides) {
    state_ = state_ * 1103515245u + 12345u;
    return static_cast<int>((state_ >> 16) % static_cast<uint32_t>(sides));
  }
  bool Chance(int percent) { return Roll(100) < percent; }

 private:
  uint32_t state_;
};

int FloorDiv(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }
int Mod(int a, int b) { return ((a % b) + b) % b; }

std::vector<int> ChordTones(Quality quality) {
  switch (quality) {
    case Quality::Major: return {0, 4, 7};
    case Quality::Minor: return {0, 3, 7};
    case Quality::Diminished: return {0, 3, 6};
    case Quality::Sus4: return {0, 5, 7};
    case Quality::Major7: return {0, 4, 7, 11};
    case Quality::Minor7: return {0, 3, 7, 10};
    case Quality::Dominant7: return {0, 4, 7, 10};
  }
  return {0, 4, 7};
}

struct Bar {
  uint32_t start;
  Chord chord;
  Chord next;  // the chord of the following bar (the first one after the last bar)
  char motif;
  int energy;
  bool sectionStart;
  bool sectionEnd;
};

std::vector<Bar> LayOut(const Song& song) {
  std::vector<Bar> bars;
  for (const Section& section : song.form) {
    for (size_t i = 0; i < section.chords.size(); ++i) {
      Bar bar;
      bar.start = static_cast<uint32_t>(bars.size()) * kTicksPerBar;
      bar.chord = section.chords[i];
      bar.motif = i < section.motifs.size() ? section.motifs[i] : '-';
      bar.energy = section.energy;
      bar.sectionStart = i == 0;
      bar.sectionEnd = i + 1 == section.chords.size();
      bars.push_back(bar);
    }
  }
  for (size_t i = 0; i < bars.size(); ++i) bars[i].next = bars[(i + 1) % bars.size()].chord;
  return bars;
}

class Melody {
 public:
  Melody(const Song& song, MidiTrack& track) : song_(song), track_(track), dice_(song.seed) {
    centre_ = 7 * song.leadOctaveShift + 2;
    current_ = centre_;
  }

  void PlayBar(const Bar& bar, int barInSection, int sectionLength) {
    if (bar.motif == '-') return;
    const bool cadence = bar.motif == 'z';
    const Rhythm rhythm = cadence ? Rhythm{2, 2, 3, -1} : RhythmOf(bar.motif);
    auto [stored, fresh] = shapes_.try_emplace(bar.motif);
    std::vector<int>& shape = stored->second;
    // Up through the first half of a section, down towards its end.
    const int direction = barInSection * 2 < sectionLength ? 1 : -1;

    uint32_t at = bar.start;
    int noteIndex = 0;
    for (size_t i = 0; i < rhythm.size(); ++i) {
      const int eighths = rhythm[i];
      if (eighths < 0) {
        at += static_cast<uint32_t>(-eighths) * kEighth;
        continue;
      }
      const uint32_t offset = at - bar.start;
      const bool strong = offset % (2 * kTicksPerQuarter) == 0;
      const bool last = cadence && i + 2 >= rhythm.size();
      int target;
      if (!fresh && static_cast<size_t>(noteIndex) < shape.size()) {
        target = current_ + shape[static_cast<size_t>(noteIndex)];
      } else {
        target = current_ + NextStep(direction);
      }
      target = Reflect(target);
      if (strong || last) target = NearestChordTone(target, bar.chord, last);
      if (fresh) shape.push_back(target - current_);
      current_ = target;

      const int velocity = (offset == 0 ? 100 : strong ? 90 : 78) - dice_.Roll(6);
      const uint32_t length = static_cast<uint32_t>(eighths) * kEighth;
      track_.Note(at, length - length / 10, kLeadChannel, Pitch(current_), velocity);
      at += length;
      ++noteIndex;
    }
  }

 private:
  Rhythm RhythmOf(char motif) const {
    const size_t index = static_cast<size_t>(motif - 'a');
    return index < song_.rhythms.size() ? song_.rhythms[index] : Rhythm{2, 2, 2, 2};
  }

  // Keeps the line within its range by turning it back at the edges.
  int Reflect(int index) const {
    const int low = centre_ - 4;
    const int high = centre_ + 6;
    if (index > high) index = std::max(low, 2 * high - index);
    if (index < low) index = std::min(high, 2 * low - index);
    return index;
  }

  int NextStep(int direction) {
    if (current_ >= centre_ + 5) direction = -1;
    if (current_ <= centre_ - 3) direction = 1;
    if (dice_.Chance(20)) direction = -direction;
    const int roll = dice_.Roll(100);
    const int size = roll < 60 ? 1 : roll < 85 ? 2 : 0;
    return direction * size;
  }

  int Pitch(int index) const {
    return song_.tonic + 12 * FloorDiv(index, 7) + song_.scale[static_cast<size_t>(Mod(index, 7))];
  }

  bool IsChordTone(int index, const Chord& chord, bool rootOrThird) const {
    const int pc = Mod(Pitch(index) - song_.tonic - chord.root, 12);
    const auto tones = ChordTones(chord.quality);
    const size_t usable = rootOrThird ? 2 : tones.size();
    return std::find(tones.begin(), tones.begin() + static_cast<std::ptrdiff_t>(usable), pc) !=
           tones.begin() + static_cast<std::ptrdiff_t>(usable);
  }

  // The closest scale step to `index` that belongs to the chord.
  int NearestChordTone(int index, const Chord& chord, bool rootOrThird) const {
    for (int distance = 0; distance <= 4; ++distance) {
      if (IsChordTone(index - distance, chord, rootOrThird)) return index - distance;
      if (IsChordTone(index + distance, chord, rootOrThird)) return index + distance;
    }
    return index;
  }

  const Song& song_;
  MidiTrack& track_;
  Dice dice_;
  int centre_;
  int current_;
  std::map<char, std::vector<int>> shapes_;
};

// Chord tones stacked upwards from the root, placed around the tonic.
std::vector<int> Voicing(const Song& song, const Chord& chord, int low) {
  int root = song.tonic + chord.root;
  while (root < low) root += 12;
  while (root >= low + 12) root -= 12;
  std::vector<int> notes;
  for (const int tone : ChordTones(chord.quality)) notes.push_back(root + tone);
  return notes;
}

void PlayComp(const Song& song, const Bar& bar, MidiTrack& track) {
  const std::vector<int> notes = Voicing(song, bar.chord, song.tonic - 5);
  const int level = 48 + 8 * bar.energy;
  const Comp style = bar.energy == 0 ? Comp::Pad : song.comp;
  switch (style) {
    case Comp::Pad:
      for (const int n : notes) track.Note(bar.start, kTicksPerBar - 10, kCompChannel, n, level);
      break;
    case Comp::Arpeggio: {
      std::vector<int> line = notes;
      line.push_back(notes[0] + 12);
      const int order[8] = {0, 1, 2, 3, 2, 1, 2, 1};
      for (int i = 0; i < 8; ++i) {
        const int n = line[static_cast<size_t>(order[i]) % line.size()];
        // Each note rings into the next, the last one stops at the bar line.
        const uint32_t length = i < 7 ? kEighth + kSixteenth : kEighth - 10;
        track.Note(bar.start + static_cast<uint32_t>(i) * kEighth, length, kCompChannel, n,
                   level + (i % 2 == 0 ? 8 : 0));
      }
      break;
    }
    case Comp::OffbeatStabs:
      for (int beat = 0; beat < 4; ++beat) {
        for (const int n : notes) {
          track.Note(bar.start + static_cast<uint32_t>(beat) * kTicksPerQuarter + kEighth, kSixteenth + 40,
                     kCompChannel, n, level + 6);
        }
      }
      break;
    case Comp::Strum:
      for (int i = 0; i < 8; ++i) {
        for (const int n : notes) {
          track.Note(bar.start + static_cast<uint32_t>(i) * kEighth, kEighth - 60, kCompChannel, n,
                     level + (i % 2 == 0 ? 10 : 0));
        }
      }
      break;
  }
}

void PlayBass(const Song& song, const Bar& bar, MidiTrack& track) {
  int root = song.tonic + bar.chord.root - 24;
  while (root < 28) root += 12;
  while (root > 45) root -= 12;
  const auto tones = ChordTones(bar.chord.quality);
  const int fifth = root + tones[2];
  const int third = root + tones[1];
  const int level = 84 + 6 * bar.energy;
  auto note = [&](uint32_t at, uint32_t length, int key, int velocity) {
    track.Note(bar.start + at, length, kBassChannel, key, velocity);
  };
  const Bass style = bar.energy == 0 ? Bass::Sparse : song.bass;
  switch (style) {
    case Bass::Pump:
      for (uint32_t i = 0; i < 8; ++i) {
        const int key = (bar.energy >= 3 && i % 2 == 1) ? root + 12 : root;
        note(i * kEighth, kEighth - 30, key, level + (i % 2 == 0 ? 8 : 0));
      }
      break;
    case Bass::RootFifth:
      for (uint32_t beat = 0; beat < 4; ++beat) {
        const int key = beat % 2 == 0 ? (beat == 2 ? root + 12 : root) : fifth;
        note(beat * kTicksPerQuarter, kTicksPerQuarter - 40, key, level + (beat == 0 ? 10 : 0));
      }
      break;
    case Bass::Walking: {
      int next = song.tonic + bar.next.root - 24;
      while (next < root - 6) next += 12;
      while (next > root + 6) next -= 12;
      const int approach = next > root ? next - 1 : next + 1;
      const int line[4] = {root, third, fifth, approach};
      for (uint32_t beat = 0; beat < 4; ++beat) {
        note(beat * kTicksPerQuarter, kTicksPerQuarter - 30, line[beat], level + (beat == 0 ? 8 : 0));
      }
      break;
    }
    case Bass::Sparse: {
      const int lowFifth = fifth - 12 >= 28 ? fifth - 12 : fifth;
      note(0, 2 * kTicksPerQuarter - 40, root, level);
      note(2 * kTicksPerQuarter, 2 * kTicksPerQuarter - 40, bar.energy == 0 ? root : lowFifth, level - 10);
      break;
    }
    case Bass::Gallop:
      for (uint32_t beat = 0; beat < 4; ++beat) {
        const uint32_t at = beat * kTicksPerQuarter;
        note(at, kEighth - 20, root, level + 8);
        note(at + kEighth, kSixteenth - 15, root, level - 8);
        note(at + kEighth + kSixteenth, kSixteenth - 15, beat == 3 ? fifth : root, level - 8);
      }
      break;
  }
}

void PlayDrums(const Song& song, const Bar& bar, MidiTrack& track) {
  auto hit = [&](uint32_t at, int key, int velocity) {
    track.Note(bar.start + at, 60, kDrumChannel, key, velocity);
  };
  const uint32_t q = kTicksPerQuarter;
  if (bar.sectionStart && bar.energy >= 2) hit(0, kCrash, 100);
  const bool fill = bar.sectionEnd && bar.energy >= 1;
  const uint32_t grooveEnd = fill ? 2 * q : 4 * q;

  switch (bar.energy == 0 ? Drums::Light : song.drums) {
    case Drums::Rock:
      for (uint32_t at = 0; at < grooveEnd; at += kEighth) hit(at, kClosedHat, at % q == 0 ? 76 : 58);
      for (uint32_t at : {0u, 2 * q, 2 * q + kEighth}) {
        if (at < grooveEnd && (at != 2 * q + kEighth || bar.energy >= 2)) hit(at, kKick, 104);
      }
      for (uint32_t at : {q, 3 * q}) {
        if (at < grooveEnd) hit(at, kSnare, 100);
      }
      if (bar.energy >= 2) {
        for (uint32_t at = 0; at < grooveEnd; at += q) hit(at + kEighth, kTambourine, 50);
      }
      break;
    case Drums::Dance:
      for (uint32_t at = 0; at < grooveEnd; at += q) {
        hit(at, kKick, 108);
        hit(at + kEighth, kOpenHat, 64);
      }
      for (uint32_t at : {q, 3 * q}) {
        if (at < grooveEnd) {
          hit(at, kSnare, 96);
          if (bar.energy >= 3) hit(at, kClap, 80);
        }
      }
      break;
    case Drums::Light:
      for (uint32_t at = 0; at < grooveEnd; at += kEighth) hit(at, kClosedHat, at % q == 0 ? 56 : 40);
      hit(0, kKick, 80);
      if (bar.energy > 0) {
        for (uint32_t at : {q, 3 * q}) {
          if (at < grooveEnd) hit(at, kSideStick, 72);
        }
        if (2 * q + kEighth < grooveEnd) hit(2 * q + kEighth, kKick, 70);
      }
      break;
    case Drums::HalfTime:
      for (uint32_t at = 0; at < grooveEnd; at += kEighth) hit(at, kRide, at % q == 0 ? 64 : 48);
      hit(0, kKick, 100);
      if (2 * q < grooveEnd) hit(2 * q, kSnare, 92);
      if (bar.energy >= 2 && 3 * q + kEighth < grooveEnd) hit(3 * q + kEighth, kKick, 84);
      for (uint32_t at = 0; at < grooveEnd; at += kSixteenth) hit(at, kShaker, 36);
      break;
    case Drums::March:
      for (uint32_t at = 0; at < grooveEnd; at += kEighth) hit(at, kClosedHat, 60);
      for (uint32_t at = 0; at < grooveEnd; at += (bar.energy >= 3 ? kSixteenth : kEighth)) {
        hit(at, kKick, at % q == 0 ? 104 : 80);
      }
      for (uint32_t at : {q, 3 * q}) {
        if (at < grooveEnd) hit(at, kSnare, 104);
      }
      break;
  }
  if (fill) {
    // Two beats of sixteenths walking down the toms into the next section.
    const int toms[8] = {kSnare, kSnare, kHighTom, kHighTom, kMidTom, kMidTom, kLowTom, kLowTom};
    for (uint32_t i = 0; i < 8; ++i) hit(2 * q + i * kSixteenth, toms[i], 70 + static_cast<int>(i) * 4);
    hit(2 * q, kKick, 96);
  }
}

void SetUpPart(MidiTrack& track, const char* name, int channel, int program, int volume, int pan, int reverb) {
  track.Name(name);
  if (channel != kDrumChannel) track.Program(0, channel, program);
  track.Control(0, channel, 7, volume);
  track.Control(0, channel, 10, pan);
  track.Control(0, channel, 91, reverb);
}

}  // namespace

int BarCount(const Song& song) {
  int bars = 0;
  for (const auto& section : song.form) bars += static_cast<int>(section.chords.size());
  return bars;
}

double LengthSeconds(const Song& song) { return BarCount(song) * 4 * 60.0 / song.bpm; }

std::vector<uint8_t> ComposeSong(const Song& song) {
  const std::vector<Bar> bars = LayOut(song);
  const uint32_t end = static_cast<uint32_t>(bars.size()) * kTicksPerBar;

  MidiTrack conductor;
  conductor.Name(song.name);
  conductor.Tempo(0, song.bpm);
  conductor.TimeSignature(0, 4, 2);
  conductor.KeySignature(0, song.keySharps, song.minor);

  MidiTrack lead, comp, bass, drums;
  auto volume = [&song](int level) { return level * song.volume / 100; };
  SetUpPart(lead, "Melody", kLeadChannel, song.leadProgram, volume(108), 70, 50);
  SetUpPart(comp, "Accompaniment", kCompChannel, song.compProgram, volume(78), 48, 60);
  SetUpPart(bass, "Bass", kBassChannel, song.bassProgram, volume(100), 64, 20);
  SetUpPart(drums, "Drums", kDrumChannel, 0, volume(96), 64, 30);

  Melody melody(song, lead);
  int barInSection = 0;
  int sectionLength = 0;
  size_t section = 0;
  for (const Bar& bar : bars) {
    if (bar.sectionStart) {
      barInSection = 0;
      sectionLength = static_cast<int>(song.form[section++].chords.size());
    }
    melody.PlayBar(bar, barInSection++, sectionLength);
    PlayComp(song, bar, comp);
    PlayBass(song, bar, bass);
    PlayDrums(song, bar, drums);
  }

  std::vector<MidiTrack> tracks{conductor, lead, comp, bass, drums};
  for (auto& track : tracks) track.End(end);
  return EncodeMidiFile(kTicksPerQuarter, tracks);
}

}  // namespace vh::assetgen
