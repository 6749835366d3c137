#include "EffectRecipes.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace vh::assetgen {
namespace {

// Equal-tempered pitch of a MIDI note number.
double Hz(int note) { return 440.0 * std::pow(2.0, (note - 69) / 12.0); }

Signal Tone(Wave wave, Curve pitch, double seconds, double attack = 0.002, double hold = 0.0,
            double duty = 0.5) {
  Voice v;
  v.wave = wave;
  v.pitch = std::move(pitch);
  v.level = Percussive(seconds, attack, hold);
  v.duty = duty;
  return Render(v, seconds);
}

Signal NoiseBurst(uint32_t seed, double seconds, Curve level) {
  Voice v;
  v.wave = Wave::Noise;
  v.level = std::move(level);
  v.seed = seed;
  return Render(v, seconds);
}

// Notes one after another, each ringing for `ring` seconds.
Signal Arpeggio(Wave wave, std::initializer_list<int> notes, double step, double ring, double duty = 0.5) {
  Signal mix;
  double at = 0;
  for (const int note : notes) {
    MixInto(mix, Tone(wave, Constant(Hz(note)), ring, 0.003, 0.1, duty), at, 0.6);
    at += step;
  }
  return mix;
}

// A struck metal or glass: a few inharmonic partials that fade at different speeds.
Signal Bell(double fundamental, double seconds, std::initializer_list<double> ratios) {
  Signal mix;
  double weight = 1.0;
  double length = seconds;
  for (const double ratio : ratios) {
    MixInto(mix, Tone(Wave::Sine, Constant(fundamental * ratio), length, 0.001), 0, weight);
    weight *= 0.6;
    length *= 0.7;
  }
  return mix;
}

Signal CursorTick() { return Tone(Wave::Square, Constant(1760), 0.035, 0.001, 0.2, 0.25); }

Signal Decide() {
  Signal mix;
  MixInto(mix, Tone(Wave::Square, Constant(Hz(83)), 0.07, 0.002, 0.6, 0.25), 0);
  MixInto(mix, Tone(Wave::Square, Constant(Hz(88)), 0.13, 0.002, 0.3, 0.25), 0.065);
  return mix;
}

Signal Cancel() {
  Signal mix;
  MixInto(mix, Tone(Wave::Triangle, Constant(Hz(76)), 0.08, 0.002, 0.5), 0);
  MixInto(mix, Tone(Wave::Triangle, Constant(Hz(69)), 0.12, 0.002, 0.3), 0.07);
  return mix;
}

Signal ErrorBuzz() {
  Signal mix;
  for (int i = 0; i < 2; ++i) {
    Voice low{Wave::Square, Constant(110), Swell(0.12, 0.004, 0.02), 0.5};
    Voice beat{Wave::Saw, Constant(116.5), Swell(0.12, 0.004, 0.02)};
    MixInto(mix, Render(low, 0.12), i * 0.16, 0.6);
    MixInto(mix, Render(beat, 0.12), i * 0.16, 0.4);
  }
  return LowPass(mix, Constant(2500));
}

Signal ClearFanfare() {
  Signal mix;
  const int notes[] = {72, 76, 79, 84};
  for (int i = 0; i < 4; ++i) {
    MixInto(mix, Tone(Wave::Square, Constant(Hz(notes[i])), 0.16, 0.003, 0.6, 0.3), i * 0.12, 0.5);
  }
  // The held major chord, with a little vibrato.
  for (const int note : {72, 76, 79, 84}) {
    Voice v{Wave::Square, Constant(Hz(note)), Percussive(1.0, 0.01, 0.45), 0.3, 5.5, 0.006};
    MixInto(mix, Render(v, 1.0), 0.48, 0.3);
  }
  MixInto(mix, Tone(Wave::Triangle, Constant(Hz(48)), 1.2, 0.01, 0.4), 0.48, 0.5);
  return mix;
}

Signal CountBeep() {
  Voice v{Wave::Sine, Constant(1000), Swell(0.12, 0.003, 0.03)};
  Signal mix = Render(v, 0.12);
  MixInto(mix, Render(Voice{Wave::Square, Constant(1000), Swell(0.12, 0.003, 0.03), 0.5}, 0.12), 0, 0.15);
  return mix;
}

Signal SwordSwish() {
  Signal air = NoiseBurst(11, 0.22, Swell(0.22, 0.07, 0.12));
  return BandPass(air, Glide(700, 3800), 3.0);
}

Signal Jump() {
  Voice v{Wave::Square, Glide(280, 880), Percussive(0.16, 0.003, 0.4), 0.5};
  return Render(v, 0.16);
}

Signal Scream() {
  Voice v{Wave::Saw, Glide(950, 180), Percussive(0.75, 0.01, 0.35), 0.5, 9.0, 0.05};
  return LowPass(Render(v, 0.75), Line(4000, 900));
}

Signal Damage() {
  Signal mix = LowPass(NoiseBurst(21, 0.2, Percussive(0.2, 0.001)), Constant(1500));
  MixInto(mix, Tone(Wave::Square, Glide(220, 70), 0.2, 0.001, 0.1), 0, 0.5);
  return mix;
}

Signal Defeat() {
  // A burst, then three quick falling blips.
  Signal mix = LowPass(NoiseBurst(31, 0.18, Percussive(0.18, 0.001)), Glide(5000, 600));
  const double steps[] = {660, 440, 220};
  for (int i = 0; i < 3; ++i) {
    MixInto(mix, Tone(Wave::Square, Glide(steps[i], steps[i] * 0.7), 0.07, 0.001, 0.3), 0.12 + i * 0.08, 0.5);
  }
  return mix;
}

Signal Shot() {
  return Tone(Wave::Square, Glide(1600, 260), 0.13, 0.001, 0.15, 0.4);
}

Signal Fire() {
  // A roar with crackles: low noise whose level flickers.
  Signal roar = LowPass(NoiseBurst(41, 0.55, Swell(0.55, 0.03, 0.25)), Constant(900));
  Noise flicker(43);
  for (size_t i = 0; i < roar.size(); i += 220) {
    const float gain = 0.6f + 0.4f * std::abs(flicker.Next());
    for (size_t j = i; j < std::min(roar.size(), i + 220); ++j) roar[j] *= gain;
  }
  Signal crackle = HighPass(NoiseBurst(47, 0.55, Percussive(0.55, 0.002, 0.5)), Constant(3000));
  Noise gate(53);
  for (float& v : crackle) v *= gate.Next() > 0.93f ? 1.0f : 0.0f;
  MixInto(roar, crackle, 0, 0.8);
  return roar;
}

Signal Light() {
  // A slow swell of high, beating sines with a sparkle of bright noise.
  Signal mix;
  for (const double f : {2093.0, 2110.0, 3136.0, 3160.0}) {
    Voice v{Wave::Sine, Constant(f), Swell(0.6, 0.25, 0.25), 0.5, 9, 0.003};
    MixInto(mix, Render(v, 0.6), 0, 0.3);
  }
  MixInto(mix, HighPass(NoiseBurst(63, 0.6, Swell(0.6, 0.3, 0.2)), Constant(6000)), 0, 0.3);
  return mix;
}

Signal Wind() {
  Signal air = NoiseBurst(61, 0.9, Swell(0.9, 0.3, 0.4));
  Curve centre = [](double t) { return 500 + 700 * std::sin(3.1 * t) + 300 * std::sin(11.0 * t); };
  return BandPass(air, centre, 6.0);
}

Signal Thunder() {
  Signal crack = HighPass(NoiseBurst(71, 0.15, Percussive(0.15, 0.001)), Constant(1200));
  Signal rumble = LowPass(NoiseBurst(73, 1.3, Percussive(1.3, 0.04, 0.15)), Glide(500, 90));
  Signal mix;
  MixInto(mix, crack, 0, 0.9);
  MixInto(mix, rumble, 0.03, 2.5);
  return mix;
}

Signal Dark() {
  Signal mix;
  for (const double f : {55.0, 58.3, 82.4}) {
    Voice v{Wave::Saw, Glide(f * 1.4, f), Swell(0.85, 0.12, 0.35)};
    MixInto(mix, Render(v, 0.85), 0, 0.4);
  }
  return LowPass(mix, Glide(1800, 250));
}

Signal Vanish() {
  Voice v{Wave::Triangle, Glide(2200, 180), Percussive(0.6, 0.01, 0.3), 0.5, 17, 0.08};
  Signal mix = Render(v, 0.6);
  MixInto(mix, BandPass(NoiseBurst(81, 0.6, Percussive(0.6, 0.02)), Glide(4000, 400), 4.0), 0, 0.5);
  return mix;
}

Signal WarCry() {
  // A rough voice: a sawtooth through two moving formants.
  Curve pitch = [](double t) { return 150 + 70 * std::sin(3.14159 * t) - 40 * t; };
  Voice v{Wave::Saw, pitch, Swell(0.65, 0.05, 0.2), 0.5, 6.5, 0.03};
  const Signal source = Render(v, 0.65);
  Signal mix = BandPass(source, Line(600, 900), 5.0);
  MixInto(mix, BandPass(source, Line(1100, 1500), 6.0), 0, 0.7);
  MixInto(mix, LowPass(NoiseBurst(83, 0.65, Swell(0.65, 0.05, 0.2)), Constant(2500)), 0, 0.15);
  return mix;
}

Signal PowerUp() { return Arpeggio(Wave::Square, {72, 76, 79, 84, 88}, 0.06, 0.12, 0.25); }

Signal PowerUp2() {
  Voice sweep{Wave::Square, Glide(300, 1500), Swell(0.55, 0.01, 0.1), 0.5, 14, 0.04};
  Signal mix = Render(sweep, 0.55);
  for (float& v : mix) v *= 0.5f;
  MixInto(mix, Arpeggio(Wave::Triangle, {79, 84, 91, 96}, 0.07, 0.25), 0.4, 1.0);
  return mix;
}

Signal PowerDown() { return Arpeggio(Wave::Square, {84, 79, 76, 72, 67}, 0.07, 0.13, 0.25); }

Signal PowerDown2() {
  // Four sagging steps, the last one wobbling out.
  Signal mix;
  const int notes[] = {67, 66, 65, 64};
  for (int i = 0; i < 4; ++i) {
    const double length = i < 3 ? 0.17 : 0.45;
    Voice v{Wave::Triangle, Glide(Hz(notes[i]), Hz(notes[i]) * 0.94), Percussive(length, 0.01, 0.6), 0.5,
            i < 3 ? 0.0 : 6.0, i < 3 ? 0.0 : 0.03};
    MixInto(mix, Render(v, length), i * 0.2, 1.0);
    MixInto(mix, Render(Voice{Wave::Square, Glide(Hz(notes[i] - 12), Hz(notes[i] - 12) * 0.94),
                              Percussive(length, 0.01, 0.6), 0.5}, length), i * 0.2, 0.3);
  }
  return LowPass(mix, Constant(3000));
}

Signal Heal() {
  Signal mix;
  const int notes[] = {67, 72, 76, 79, 84};
  for (int i = 0; i < 5; ++i) {
    for (const double detune : {1.0, 1.004}) {
      Voice v{Wave::Sine, Constant(Hz(notes[i]) * detune), Percussive(0.45, 0.02, 0.3)};
      MixInto(mix, Render(v, 0.45), i * 0.08, 0.35);
    }
  }
  return mix;
}

Signal Gem() {
  Signal mix;
  MixInto(mix, Bell(Hz(83), 0.18, {1.0, 2.76, 5.4}), 0);
  MixInto(mix, Bell(Hz(88), 0.3, {1.0, 2.76, 5.4}), 0.08);
  return mix;
}

Signal Gem2() {
  Signal mix;
  const int notes[] = {88, 91, 96};
  for (int i = 0; i < 3; ++i) MixInto(mix, Bell(Hz(notes[i]), 0.3, {1.0, 3.0, 4.1}), i * 0.07);
  return mix;
}

Signal Switch() {
  Signal mix;
  MixInto(mix, HighPass(NoiseBurst(91, 0.02, Percussive(0.02, 0.0005)), Constant(2000)), 0);
  MixInto(mix, Tone(Wave::Square, Constant(180), 0.05, 0.001, 0.0, 0.3), 0.005, 0.4);
  MixInto(mix, HighPass(NoiseBurst(93, 0.03, Percussive(0.03, 0.0005)), Constant(1500)), 0.09);
  return mix;
}

Signal Message() {
  // A soft bubble rising into a small bell.
  Voice bubble{Wave::Sine, Glide(300, 1200), Percussive(0.08, 0.005, 0.5)};
  Signal mix = Render(bubble, 0.08);
  MixInto(mix, Bell(1320, 0.25, {1.0, 3.0}), 0.07, 0.6);
  return mix;
}

Signal Equip() {
  Signal mix = Bell(1050, 0.32, {1.0, 2.63, 4.97, 7.3});
  MixInto(mix, HighPass(NoiseBurst(101, 0.02, Percussive(0.02, 0.0005)), Constant(3000)), 0, 0.5);
  return mix;
}

Signal Equip2() {
  Signal mix = Bell(420, 0.45, {1.0, 1.93, 3.1, 4.7});
  MixInto(mix, Bell(610, 0.3, {1.0, 2.4}), 0.06, 0.7);
  MixInto(mix, LowPass(NoiseBurst(103, 0.06, Percussive(0.06, 0.001)), Constant(1800)), 0, 0.8);
  return mix;
}

Signal Scroll() {
  Signal paper = HighPass(NoiseBurst(111, 0.28, Swell(0.28, 0.08, 0.12)), Glide(1500, 5000));
  return BandPass(paper, Glide(1800, 4200), 1.5);
}

struct Recipe {
  const char* fileName;
  Signal (*make)();
  double rms;  // loudness of the loudest moment; interface ticks stay quieter
};

const std::array<Recipe, 31> kRecipes = {{
    {"カーソル移動.wav", CursorTick, 0.16}, {"決定.wav", Decide, 0.22},
    {"キャンセル.wav", Cancel, 0.2},       {"エラー.wav", ErrorBuzz, 0.24},
    {"クリア.wav", ClearFanfare, 0.3},    {"カウント.wav", CountBeep, 0.24},
    {"ソード.wav", SwordSwish, 0.3},      {"ジャンプ.wav", Jump, 0.3},
    {"悲鳴.wav", Scream, 0.3},            {"ダメージ.wav", Damage, 0.3},
    {"死.wav", Defeat, 0.3},               {"ショット.wav", Shot, 0.3},
    {"火.wav", Fire, 0.3},                {"光.wav", Light, 0.3},
    {"風.wav", Wind, 0.3},                {"雷.wav", Thunder, 0.3},
    {"闇.wav", Dark, 0.3},                {"透明化.wav", Vanish, 0.3},
    {"雄叫び.wav", WarCry, 0.3},           {"アップ.wav", PowerUp, 0.3},
    {"アップ2.wav", PowerUp2, 0.3},        {"ダウン.wav", PowerDown, 0.3},
    {"ダウン2.wav", PowerDown2, 0.3},      {"回復.wav", Heal, 0.3},
    {"ジェム.wav", Gem, 0.3},             {"ジェム2.wav", Gem2, 0.3},
    {"スイッチ.wav", Switch, 0.24},         {"メッセージ.wav", Message, 0.2},
    {"装備.wav", Equip, 0.3},             {"装備2.wav", Equip2, 0.3},
    {"スクロール.wav", Scroll, 0.22},
}};

}  // namespace

int EffectCount() { return static_cast<int>(kRecipes.size()); }

const char* EffectFileName(int id) { return kRecipes[static_cast<size_t>(id)].fileName; }

Signal MakeEffect(int id) {
  const Recipe& recipe = kRecipes[static_cast<size_t>(id)];
  Signal signal = recipe.make();
  Normalize(signal, recipe.rms, 0.9);
  SoftEdges(signal);
  return signal;
}

}  // namespace vh::assetgen
