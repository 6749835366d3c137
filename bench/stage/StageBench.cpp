// Speed of the largest stage: 512 x 512 chips, 20,000 characters (half of
// them with actions) and 5,000 items (every fifth with a message).
//
//   vh_stage_bench                   the benchmarks
//   vh_stage_bench --load FILE       loads FILE as the application does and
//                                    prints the process's peak memory
//   vh_stage_bench --write FILE      writes the benchmark stage to FILE
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <memory>
#include <string>

#include "stage/StageFile.h"

namespace {

using namespace vh::stage;

constexpr uint64_t kNoMemoryLimit = std::numeric_limits<uint64_t>::max();

struct BigStage {
  Palette palette;
  Stage stage;
};

std::unique_ptr<BigStage> MakeBigStage() {
  auto big = std::make_unique<BigStage>();
  BuildDefaultPalette(big->palette);
  NewStage(big->stage, big->palette);
  ResizeStageWidth(big->stage, big->palette, 512, kNoMemoryLimit);
  ResizeStageHeight(big->stage, big->palette, 512, kNoMemoryLimit);
  StageMap& map = big->stage.map;
  for (int i = 0; i < map.CellCount(); i += 3) map.Block(i) = big->palette.entries[1 + i % 51].block;
  for (int n = 0; n < 20000; ++n) {
    CharDef enemy = big->palette.entries[2 + n % 60].chara;
    if (n % 2 == 0) {
      enemy.actions[0].actionType = 1;
      enemy.actions[0].speed = 4;
      enemy.actions[5].actionType = 2;
      enemy.actions[5].useDuration = 7;
    }
    map.SetChar(1 + n * 13, enemy);
  }
  const std::string message = std::string("A message of forty bytes, more or less.") + '\0';
  for (int n = 0; n < 5000; ++n) {
    ItemDef item = big->palette.entries[3 + n % 40].item;
    item.actions[1].actionType = 4;
    map.SetItem(2 + n * 51, item, n % 5 == 0 ? std::string_view(message) : std::string_view());
  }
  big->stage.undoMap = map;
  return big;
}

std::filesystem::path TempStagePath() {
  return std::filesystem::temp_directory_path() / "vh_stage_bench.stg3p432";
}

void BM_SaveStage(benchmark::State& state) {
  const auto big = MakeBigStage();
  const auto path = TempStagePath();
  for (auto _ : state) {
    const SaveResult result = SaveStageFile(path, big->stage, big->palette);
    if (!result.ok) state.SkipWithError(result.message.c_str());
  }
  state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
}
BENCHMARK(BM_SaveStage)->Unit(benchmark::kMillisecond);

void BM_LoadStage(benchmark::State& state) {
  const auto big = MakeBigStage();
  const auto path = TempStagePath();
  SaveStageFile(path, big->stage, big->palette);
  auto current = std::make_unique<BigStage>();
  StageLoadRequest request;
  request.path = path;
  request.forEditor = true;
  for (auto _ : state) {
    auto loaded = std::make_unique<LoadedStage>();
    const LoadResult result = LoadStageFile(request, *loaded);
    if (!result.ok()) state.SkipWithError(result.message.c_str());
    ApplyLoadedStage(std::move(*loaded), true, current->stage, current->palette, nullptr);
  }
}
BENCHMARK(BM_LoadStage)->Unit(benchmark::kMillisecond);

void BM_UndoSnapshot(benchmark::State& state) {
  const auto big = MakeBigStage();
  for (auto _ : state) {
    big->stage.undoMap = big->stage.map;
    benchmark::DoNotOptimize(big->stage.undoMap.CellCount());
  }
}
BENCHMARK(BM_UndoSnapshot)->Unit(benchmark::kMillisecond);

void BM_ResizeWidth512To32To512(benchmark::State& state) {
  const auto prototype = MakeBigStage();
  auto big = std::make_unique<BigStage>();
  for (auto _ : state) {
    state.PauseTiming();
    big->palette = prototype->palette;
    big->stage = prototype->stage;
    state.ResumeTiming();
    ResizeStageWidth(big->stage, big->palette, 32, kNoMemoryLimit);
    ResizeStageWidth(big->stage, big->palette, 512, kNoMemoryLimit);
  }
}
BENCHMARK(BM_ResizeWidth512To32To512)->Unit(benchmark::kMillisecond);

// Peak resident memory of this process, from /proc/self/status.
std::string PeakMemory() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmHWM:", 0) == 0) return line;
  return "VmHWM: unknown";
}

int LoadAndReport(const char* file) {
  auto current = std::make_unique<BigStage>();
  BuildDefaultPalette(current->palette);
  NewStage(current->stage, current->palette);
  std::printf("before load %s\n", PeakMemory().c_str());
  StageLoadRequest request;
  request.path = file;
  request.forEditor = true;
  auto loaded = std::make_unique<LoadedStage>();
  const LoadResult result = LoadStageFile(request, *loaded);
  if (!result.ok()) {
    std::fprintf(stderr, "%s\n", result.message.c_str());
    return 1;
  }
  ApplyLoadedStage(std::move(*loaded), true, current->stage, current->palette, nullptr);
  std::printf("after load %s; grids %zu + %zu bytes\n", PeakMemory().c_str(), current->stage.map.MemoryBytes(),
              current->stage.undoMap.MemoryBytes());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--load") == 0) return LoadAndReport(argv[2]);
  if (argc == 3 && std::strcmp(argv[1], "--write") == 0) {
    const auto big = MakeBigStage();
    return SaveStageFile(argv[2], big->stage, big->palette).ok ? 0 : 1;
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
