// Start-up time and frame pacing of the real application on the generated
// data folder (VH_BENCH_ROOT chooses another, e.g. one whose System.ini turns
// V-sync off). Headless by default (virtual clock); with VH_BENCH_BACKEND=sdl
// the pacing runs in a real window (use a display, e.g. xvfb-run) on the wall
// clock.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/App.h"
#include "app/FrameStep.h"
#include "app/startup/InitApp.h"
#include "app/startup/ShutdownApp.h"

namespace vh::app {
namespace {

// The data folder: VH_BENCH_ROOT, or the generated default folder.
const char* DataRoot() {
  const char* root = std::getenv("VH_BENCH_ROOT");
  return root != nullptr ? root : VH_GAME_DIR;
}

bool UseSdl() {
  const char* backend = std::getenv("VH_BENCH_BACKEND");
  return backend != nullptr && std::string(backend) == "sdl";
}

// A whole headless run that stops after its first presented frame: start-up,
// one frame and shutdown.
void BM_HeadlessStartToFirstFrame(benchmark::State& state) {
  for (auto _ : state) {
    AppOptions options;
    options.root = DataRoot();
    options.headless = true;
    options.frames = 1;
    App app(options);
    if (app.Run() != 0) state.SkipWithError("the run failed");
  }
}
BENCHMARK(BM_HeadlessStartToFirstFrame)->Unit(benchmark::kMillisecond);

// Frames per second that the frame step delivers at a FrameRate, with the
// millisecond pacer (renderer 0) or the fractional one (renderer 1).
void BM_FramePacing(benchmark::State& state) {
  const int rate = static_cast<int>(state.range(0));
  const int direct3D = static_cast<int>(state.range(1));
  std::filesystem::current_path(DataRoot());
  platform::PlatformOptions platformOptions;
  platformOptions.kind = UseSdl() ? platform::BackendKind::Sdl : platform::BackendKind::Headless;
  std::string error;
  auto platform = platform::CreatePlatform(platformOptions, error);
  if (!platform) {
    state.SkipWithError(error.c_str());
    return;
  }
  AppOptions options;
  AppState app(options, std::move(platform));
  app.AppActive = 1;
  if (!InitApp(app)) {
    state.SkipWithError("start-up failed");
    ShutdownApp(app);
    return;
  }
  app.draw->Direct3D = direct3D;
  app.FrameRate = rate;
  constexpr int kFrames = 3 * 60;
  double elapsedMs = 0;
  for (auto _ : state) {
    const uint32_t start = app.platform->NowMs();
    for (int i = 0; i < kFrames; ++i) {
      RunFrame(app);
      app.platform->SleepMs(1);
    }
    elapsedMs += app.platform->NowMs() - start;
  }
  state.counters["fps"] = state.iterations() * kFrames * 1000.0 / elapsedMs;
  ShutdownApp(app);
}
BENCHMARK(BM_FramePacing)
    ->ArgsProduct({{30, 60, 120}, {0, 1}})
    ->ArgNames({"FrameRate", "renderer"})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace vh::app

BENCHMARK_MAIN();
