// How long after PlaySound an effect starts: the time from the play call to
// the end of the mixer block that carries the effect's first sample, through
// SDL's disk audio driver (which writes each block as soon as it is mixed;
// a sound card adds its own queue on top, about one more block). The disk
// file is read back to confirm that every effect begins in that block.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <thread>
#include <vector>

#include "platform/audio/AudioDevice.h"

namespace {

using Clock = std::chrono::steady_clock;

std::vector<uint8_t> ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

void BM_EffectStartLatency(benchmark::State& state) {
  const auto file = std::filesystem::temp_directory_path() / "vh_effect_latency.raw";
  vh::platform::SdlAudioOptions options;
  options.driver = "disk";
  options.diskFile = file.string();
  auto device = vh::platform::CreateSdlAudioDevice({}, options);
  std::string error;
  if (!device->Open({22050, 8, 1}, error)) {
    state.SkipWithError(error.c_str());
    return;
  }
  // A 5 ms click, far above silence.
  const std::vector<uint8_t> click(110, 0xf0);
  const auto id = device->CreateBuffer({22050, 8, 1}, click, error);

  std::mt19937 random(7);
  std::uniform_int_distribution<int> pauseUs(20000, 45000);
  std::vector<uint64_t> blockStarts;
  double longest = 0;
  for (auto _ : state) {
    // Random moments, so the call falls anywhere within a block.
    std::this_thread::sleep_for(std::chrono::microseconds(pauseUs(random)));
    const auto start = Clock::now();
    device->PlayBuffer(id, 0);
    const uint64_t mixed = device->MixedFrames();
    while (device->MixedFrames() == mixed) std::this_thread::sleep_for(std::chrono::microseconds(50));
    const auto heard = Clock::now();
    const double seconds = std::chrono::duration<double>(heard - start).count();
    state.SetIterationTime(seconds);
    longest = std::max(longest, seconds);
    blockStarts.push_back(mixed);
  }
  const std::string description = device->Description();
  device->Close();

  // The clicks in the file, in order. The mixer may have written a block or
  // two before its counter was hooked in, so the file runs ahead of the
  // count by a fixed amount: every click must sit at that same distance
  // from the block start counted at its play call.
  const auto out = ReadAll(file);
  std::vector<uint64_t> onsets;
  for (size_t i = 1; i < out.size(); ++i) {
    if (out[i] > 0xc0 && out[i - 1] < 0xc0) onsets.push_back(i);
  }
  int inNextBlock = 0;
  if (onsets.size() == blockStarts.size() && !onsets.empty()) {
    const int64_t lead = static_cast<int64_t>(onsets[0]) - static_cast<int64_t>(blockStarts[0]);
    for (size_t i = 0; i < onsets.size(); ++i) {
      if (static_cast<int64_t>(onsets[i]) - static_cast<int64_t>(blockStarts[i]) == lead) ++inNextBlock;
    }
  }
  state.counters["starts_in_next_block"] =
      benchmark::Counter(blockStarts.empty() ? 0 : 100.0 * inNextBlock / blockStarts.size());
  state.counters["longest_ms"] = benchmark::Counter(longest * 1000.0);
  state.SetLabel(description);
  std::filesystem::remove(file);
}
BENCHMARK(BM_EffectStartLatency)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(200);

}  // namespace

BENCHMARK_MAIN();
