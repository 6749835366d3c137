#include "SoundSynth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vh::assetgen {

Curve Constant(double value) {
  return [value](double) { return value; };
}

Curve Glide(double from, double to) {
  return [from, to](double t) { return from * std::pow(to / from, t); };
}

Curve Line(double from, double to) {
  return [from, to](double t) { return from + (to - from) * t; };
}

Curve Percussive(double seconds, double attack, double hold) {
  return [seconds, attack, hold](double t) {
    const double s = t * seconds;
    if (s < attack) return s / attack;
    const double decayStart = std::max(attack, hold * seconds);
    if (s < decayStart) return 1.0;
    const double x = (s - decayStart) / std::max(1e-6, seconds - decayStart);
    // Reaches about -60 dB at the end.
    return std::exp(-6.9 * x) * (1.0 - x);
  };
}

Curve Swell(double seconds, double attack, double release) {
  return [seconds, attack, release](double t) {
    const double s = t * seconds;
    if (s < attack) return s / attack;
    if (s > seconds - release) return std::max(0.0, (seconds - s) / release);
    return 1.0;
  };
}

float Noise::Next() {
  state_ = state_ * 1664525u + 1013904223u;
  return static_cast<float>((state_ >> 8) / 8388607.5 - 1.0);
}

Signal Render(const Voice& voice, double seconds) {
  const size_t count = static_cast<size_t>(seconds * kEffectRate);
  Signal out(count);
  Noise noise(voice.seed);
  double phase = 0;
  for (size_t i = 0; i < count; ++i) {
    const double t = count > 1 ? static_cast<double>(i) / static_cast<double>(count - 1) : 0.0;
    double frequency = voice.pitch(t);
    if (voice.vibratoDepth > 0) {
      const double seconds_ = static_cast<double>(i) / kEffectRate;
      frequency *= 1.0 + voice.vibratoDepth * std::sin(2 * std::numbers::pi * voice.vibratoHz * seconds_);
    }
    phase += frequency / kEffectRate;
    phase -= std::floor(phase);
    double value = 0;
    switch (voice.wave) {
      case Wave::Sine: value = std::sin(2 * std::numbers::pi * phase); break;
      case Wave::Square: value = phase < voice.duty ? 1.0 : -1.0; break;
      case Wave::Saw: value = 2.0 * phase - 1.0; break;
      case Wave::Triangle: value = phase < 0.5 ? 4.0 * phase - 1.0 : 3.0 - 4.0 * phase; break;
      case Wave::Noise: value = noise.Next(); break;
    }
    out[i] = static_cast<float>(value * voice.level(t));
  }
  return out;
}

void MixInto(Signal& mix, const Signal& part, double atSeconds, double gain) {
  const size_t offset = static_cast<size_t>(atSeconds * kEffectRate);
  if (mix.size() < offset + part.size()) mix.resize(offset + part.size(), 0.0f);
  for (size_t i = 0; i < part.size(); ++i) mix[offset + i] += static_cast<float>(part[i] * gain);
}

namespace {

double Progress(size_t i, size_t count) {
  return count > 1 ? static_cast<double>(i) / static_cast<double>(count - 1) : 0.0;
}

double OnePoleCoefficient(double cutoff) {
  return 1.0 - std::exp(-2 * std::numbers::pi * cutoff / kEffectRate);
}

}  // namespace

Signal LowPass(const Signal& in, const Curve& cutoff) {
  Signal out(in.size());
  double state = 0;
  for (size_t i = 0; i < in.size(); ++i) {
    state += OnePoleCoefficient(cutoff(Progress(i, in.size()))) * (in[i] - state);
    out[i] = static_cast<float>(state);
  }
  return out;
}

Signal HighPass(const Signal& in, const Curve& cutoff) {
  const Signal low = LowPass(in, cutoff);
  Signal out(in.size());
  for (size_t i = 0; i < in.size(); ++i) out[i] = in[i] - low[i];
  return out;
}

Signal BandPass(const Signal& in, const Curve& centre, double q) {
  Signal out(in.size());
  double low = 0;
  double band = 0;
  for (size_t i = 0; i < in.size(); ++i) {
    const double f = 2 * std::sin(std::numbers::pi * std::min(centre(Progress(i, in.size())), 5000.0) /
                                  kEffectRate);
    const double high = in[i] - low - band / q;
    band += f * high;
    low += f * band;
    out[i] = static_cast<float>(band);
  }
  return out;
}

double LoudestRms(const Signal& signal) {
  const size_t window = kEffectRate / 20;
  double loudest = 0;
  for (size_t start = 0; start < signal.size(); start += window / 4) {
    const size_t end = std::min(signal.size(), start + window);
    double sum = 0;
    for (size_t i = start; i < end; ++i) sum += static_cast<double>(signal[i]) * signal[i];
    loudest = std::max(loudest, std::sqrt(sum / static_cast<double>(window)));
  }
  return loudest;
}

void Normalize(Signal& signal, double rms, double peak) {
  float largest = 0;
  for (const float v : signal) largest = std::max(largest, std::abs(v));
  const double level = LoudestRms(signal);
  if (largest <= 0 || level <= 0) return;
  const float scale = static_cast<float>(std::min(rms / level, peak / largest));
  for (float& v : signal) v *= scale;
}

void SoftEdges(Signal& signal, double seconds) {
  const size_t ramp = std::min(signal.size() / 2, static_cast<size_t>(seconds * kEffectRate));
  for (size_t i = 0; i < ramp; ++i) {
    const float gain = static_cast<float>(i) / static_cast<float>(ramp);
    signal[i] *= gain;
    signal[signal.size() - 1 - i] *= gain;
  }
}

}  // namespace vh::assetgen
