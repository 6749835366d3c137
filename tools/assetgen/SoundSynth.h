// Building blocks for the default sound effects: oscillators with pitch
// glides, envelopes, deterministic noise and simple filters, all on float
// samples at 22050 Hz that are mixed into one buffer per effect.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace vh::assetgen {

inline constexpr int kEffectRate = 22050;

using Signal = std::vector<float>;

enum class Wave { Sine, Square, Saw, Triangle, Noise };

// Pitch or level that moves over a sound's life; t runs from 0 to 1.
using Curve = std::function<double(double t)>;

Curve Constant(double value);
// Exponential glide from `from` to `to` (the natural shape for pitch).
Curve Glide(double from, double to);
// Straight line from `from` to `to`.
Curve Line(double from, double to);

// Attack in seconds, then an exponential decay to silence by the end
// (`hold` = fraction of the length kept at full level before decaying).
Curve Percussive(double seconds, double attack, double hold = 0.0);
// Rises over `attack`, stays, falls over `release` (all in seconds).
Curve Swell(double seconds, double attack, double release);

// Deterministic white noise in -1..1 (a linear congruential generator).
class Noise {
 public:
  explicit Noise(uint32_t seed) : state_(seed) {}
  float Next();

 private:
  uint32_t state_;
};

struct Voice {
  Wave wave = Wave::Square;
  Curve pitch = Constant(440);  // Hz
  Curve level = Constant(1);
  double duty = 0.5;            // square waves
  double vibratoHz = 0;         // pitch wobble
  double vibratoDepth = 0;      // as a fraction of the pitch
  uint32_t seed = 1;            // noise
};

// `seconds` of one voice.
Signal Render(const Voice& voice, double seconds);

// Adds `part` into `mix` from `atSeconds` on, scaled by `gain`, growing `mix`.
void MixInto(Signal& mix, const Signal& part, double atSeconds, double gain = 1.0);

// One-pole filters with a fixed or moving cutoff (Hz).
Signal LowPass(const Signal& in, const Curve& cutoff);
Signal HighPass(const Signal& in, const Curve& cutoff);
// Resonant band-pass (state-variable filter) around a moving centre.
Signal BandPass(const Signal& in, const Curve& centre, double q);

// Scales so that the loudest 50 ms has an RMS level of `rms`, unless that
// would take a sample above `peak`; then the peak decides.
void Normalize(Signal& signal, double rms, double peak);

// RMS level of the loudest 50 ms window.
double LoudestRms(const Signal& signal);

// Short fades at both ends so no effect starts or stops with a click.
void SoftEdges(Signal& signal, double seconds = 0.002);

}  // namespace vh::assetgen
