// The generated wave and midi folders: every file the game loads exists in
// the format it expects, effects are distinct and unclipped, and every tune
// is a multi-part General MIDI piece that ends cleanly on a bar line.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

#include "Composer.h"
#include "EffectRecipes.h"
#include "Songs.h"
#include "WaveFile.h"
#include "sound/MidiReader.h"
#include "sound/Music.h"
#include "sound/SoundTable.h"
#include "sound/WaveReader.h"

namespace vh::sound {
namespace {

WaveData EncodedEffect(int id) {
  const auto bytes = assetgen::EncodeWave8(assetgen::MakeEffect(id), assetgen::kEffectRate);
  WaveData wave;
  std::string why;
  EXPECT_TRUE(ReadWave(bytes, wave, why)) << why;
  return wave;
}

// A rough fingerprint: the loudness and the brightness (which of seven octave
// bands from 125 Hz to 8 kHz holds the energy, 0..6) over sixteen slices of
// the sound, how its energy spreads over those bands, and its length.
struct Fingerprint {
  double seconds = 0;
  std::vector<double> level;
  std::vector<double> brightness;
  std::vector<double> bands;
};

// `x` through a band-pass biquad (constant peak gain) at `centre` Hz.
std::vector<double> BandPassed(const std::vector<double>& x, double centre) {
  const double w = 2 * 3.141592653589793 * centre / 22050.0;
  const double alpha = std::sin(w) / (2 * 1.4);
  const double a0 = 1 + alpha;
  const double b0 = alpha / a0, b2 = -alpha / a0, a1 = -2 * std::cos(w) / a0, a2 = (1 - alpha) / a0;
  double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
  std::vector<double> out;
  for (const double v : x) {
    const double y = b0 * v + b2 * x2 - a1 * y1 - a2 * y2;
    x2 = x1;
    x1 = v;
    y2 = y1;
    y1 = y;
    out.push_back(y);
  }
  return out;
}

Fingerprint FingerprintOf(const std::vector<uint8_t>& samples) {
  Fingerprint f;
  f.seconds = static_cast<double>(samples.size()) / 22050.0;
  std::vector<double> x;
  for (const uint8_t b : samples) x.push_back((b - 128.0) / 127.0);
  std::vector<std::vector<double>> bands;
  for (double centre = 125; centre <= 8000; centre *= 2) bands.push_back(BandPassed(x, centre));
  f.bands.assign(bands.size(), 0.0);

  const size_t slice = std::max<size_t>(1, x.size() / 16);
  double loudest = 1e-9;
  for (size_t start = 0; start + slice <= x.size() && f.level.size() < 16; start += slice) {
    double sum = 0;
    for (size_t i = start; i < start + slice; ++i) sum += x[i] * x[i];
    f.level.push_back(std::sqrt(sum / static_cast<double>(slice)));
    loudest = std::max(loudest, f.level.back());
    double weighted = 0, energy = 1e-12;
    for (size_t k = 0; k < bands.size(); ++k) {
      double e = 0;
      for (size_t i = start; i < start + slice; ++i) e += bands[k][i] * bands[k][i];
      f.bands[k] += e;
      weighted += e * static_cast<double>(k);
      energy += e;
    }
    f.brightness.push_back(weighted / energy);
  }
  for (double& v : f.level) v /= loudest;
  double total = 1e-12;
  for (const double e : f.bands) total += e;
  for (double& v : f.bands) v /= total;
  return f;
}

double Distance(const Fingerprint& a, const Fingerprint& b) {
  double d = std::abs(std::log(a.seconds / b.seconds));
  const size_t n = std::min(a.level.size(), b.level.size());
  for (size_t i = 0; i < n; ++i) {
    d += std::abs(a.level[i] - b.level[i]) / static_cast<double>(n);
    // Brightness counts where both are sounding.
    d += std::min(a.level[i], b.level[i]) * std::abs(a.brightness[i] - b.brightness[i]) / static_cast<double>(n);
  }
  for (size_t i = 0; i < a.bands.size(); ++i) d += std::abs(a.bands[i] - b.bands[i]);
  return d;
}

TEST(DefaultEffects, EveryGroupHasItsFileAsPlainUnclippedPcm) {
  ASSERT_EQ(assetgen::EffectCount(), kSoundGroupCount);
  for (int id = 0; id < kSoundGroupCount; ++id) {
    SCOPED_TRACE(kSoundTable[id].fileName);
    EXPECT_EQ(std::string("wave\\") + assetgen::EffectFileName(id), kSoundTable[id].fileName);
    const WaveData wave = EncodedEffect(id);
    EXPECT_EQ(wave.format.samplesPerSec, 22050);
    EXPECT_EQ(wave.format.bitsPerSample, 8);
    EXPECT_EQ(wave.format.channels, 1);
    const double seconds = static_cast<double>(wave.samples.size()) / 22050.0;
    EXPECT_GE(seconds, 0.03);
    EXPECT_LE(seconds, 2.0);
    const auto [low, high] = std::minmax_element(wave.samples.begin(), wave.samples.end());
    EXPECT_GT(*low, 0);     // never at the ends of the 8-bit range
    EXPECT_LT(*high, 255);
    EXPECT_GT(*high - *low, 40);  // clearly audible
    // Starts and stops at the silence level, so playing it never clicks.
    EXPECT_NEAR(wave.samples.front(), 128, 2);
    EXPECT_NEAR(wave.samples.back(), 128, 2);
  }
}

TEST(DefaultEffects, NoTwoEffectsSoundAlike) {
  std::vector<Fingerprint> prints;
  for (int id = 0; id < kSoundGroupCount; ++id) prints.push_back(FingerprintOf(EncodedEffect(id).samples));
  for (int a = 0; a < kSoundGroupCount; ++a) {
    for (int b = a + 1; b < kSoundGroupCount; ++b) {
      EXPECT_GT(Distance(prints[a], prints[b]), 0.5)
          << kSoundTable[a].fileName << " and " << kSoundTable[b].fileName;
    }
  }
}

// Notes of one file: channel, key, start and end tick.
struct Note {
  int channel, key;
  uint64_t start, end;
};

struct Parsed {
  std::vector<std::vector<Note>> tracks;
  std::vector<uint64_t> trackEnds;
  std::set<int> programs;
};

uint32_t Be32(const std::vector<uint8_t>& b, size_t at) {
  return (uint32_t{b[at]} << 24) | (uint32_t{b[at + 1]} << 16) | (uint32_t{b[at + 2]} << 8) | b[at + 3];
}

// Enough of a reader for files this generator writes (no running status).
Parsed ParseNotes(const std::vector<uint8_t>& file) {
  Parsed parsed;
  size_t at = 14;
  while (at + 8 <= file.size()) {
    const size_t end = at + 8 + Be32(file, at + 4);
    size_t i = at + 8;
    uint64_t tick = 0;
    std::map<std::pair<int, int>, uint64_t> sounding;
    std::vector<Note> notes;
    while (i < end) {
      uint32_t delta = 0;
      uint8_t byte;
      do {
        byte = file[i++];
        delta = (delta << 7) | (byte & 0x7f);
      } while (byte & 0x80);
      tick += delta;
      const uint8_t status = file[i++];
      if (status == 0xff) {
        i += 1 + 1 + file[i + 1];
        continue;
      }
      const int kind = status & 0xf0;
      const int channel = status & 0x0f;
      if (kind == 0xc0) {
        parsed.programs.insert(channel * 128 + file[i]);
        i += 1;
        continue;
      }
      const int key = file[i];
      const int velocity = file[i + 1];
      i += 2;
      if (kind == 0x90 && velocity > 0) {
        EXPECT_EQ(sounding.count({channel, key}), 0u) << "overlapping note " << key;
        sounding[{channel, key}] = tick;
      } else if (kind == 0x80 || kind == 0x90) {
        const auto it = sounding.find({channel, key});
        if (it != sounding.end()) {
          notes.push_back({channel, key, it->second, tick});
          sounding.erase(it);
        }
      }
    }
    EXPECT_TRUE(sounding.empty()) << "notes still sounding at the end of a track";
    parsed.tracks.push_back(std::move(notes));
    parsed.trackEnds.push_back(tick);
    at = end;
  }
  return parsed;
}

TEST(DefaultMusic, EveryTuneIsAMultiPartPieceThatLoopsOnABarLine) {
  const auto songs = assetgen::DefaultSongs();
  std::set<std::string> names;
  std::set<std::pair<int, int>> keysAndTempos;
  for (const auto& [fileName, song] : songs) {
    SCOPED_TRACE(fileName);
    names.insert("midi\\" + fileName);
    keysAndTempos.insert({song.tonic * 1000 + static_cast<int>(song.scale[2]), static_cast<int>(song.bpm)});
    const auto bytes = assetgen::ComposeSong(song);

    MidiInfo info;
    std::string why;
    ASSERT_TRUE(ReadMidiInfo(bytes, info, why)) << why;
    EXPECT_EQ(info.format, 1);
    EXPECT_EQ(info.trackCount, 5);
    EXPECT_GE(info.lengthMs, 30000u);
    EXPECT_LE(info.lengthMs, 90000u);
    EXPECT_EQ(info.lengthTicks % assetgen::kTicksPerBar, 0u);

    const Parsed parsed = ParseNotes(bytes);
    ASSERT_EQ(parsed.tracks.size(), 5u);
    for (const uint64_t end : parsed.trackEnds) EXPECT_EQ(end, info.lengthTicks);
    // Melody, accompaniment and bass are pitched parts; the drums use channel 10.
    for (int part = 1; part <= 4; ++part) {
      EXPECT_GT(parsed.tracks[static_cast<size_t>(part)].size(), 20u) << "part " << part;
    }
    for (const Note& note : parsed.tracks[4]) EXPECT_EQ(note.channel, 9);
    for (const Note& note : parsed.tracks[3]) EXPECT_LT(note.key, 60);  // bass stays below middle C
    EXPECT_EQ(parsed.programs.size(), 3u);
    // The first bar starts at once, so the loop has no gap.
    uint64_t first = UINT64_MAX;
    for (size_t part = 1; part < 5; ++part) {
      for (const Note& note : parsed.tracks[part]) first = std::min(first, note.start);
    }
    EXPECT_EQ(first, 0u);
  }
  EXPECT_EQ(keysAndTempos.size(), songs.size());
  EXPECT_TRUE(names.count(kMusicTable[kMusicTitle]));
  EXPECT_TRUE(names.count(kMusicTable[kMusicEdit]));
  for (const char* stage : {"midi\\Stage01.mid", "midi\\Stage02.mid", "midi\\Stage03.mid", "midi\\Stage04.mid"}) {
    EXPECT_TRUE(names.count(stage)) << stage;
  }
}

}  // namespace
}  // namespace vh::sound
