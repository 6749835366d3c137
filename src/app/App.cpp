#include "app/App.h"

#include <cstdio>
#include <filesystem>

#include "app/FrameStep.h"
#include "app/WindowEvents.h"
#include "app/startup/InitApp.h"
#include "app/startup/ShutdownApp.h"
#include "platform/MachineInfo.h"

namespace vh::app {

namespace {

constexpr const char* kInstanceName = "ゲーム";
constexpr const char* kReportFile = "Report.txt";
constexpr const char* kDebugLogFile = "EC_Game.txt";

}  // namespace

App::App(AppOptions options) {
  std::error_code ec;
  std::filesystem::current_path(options.root, ec);
  if (ec) {
    std::fprintf(stderr, "vormholt: cannot work in %s: %s\n", options.root.c_str(),
                 ec.message().c_str());
    return;
  }
  platform::PlatformOptions platformOptions;
  platformOptions.kind =
      options.headless ? platform::BackendKind::Headless : platform::BackendKind::Sdl;
  platformOptions.scriptPath = options.scriptPath;
  std::string error;
  auto platform = platform::CreatePlatform(platformOptions, error);
  if (!platform) {
    std::fprintf(stderr, "vormholt: %s\n", error.c_str());
    return;
  }
  state_ = std::make_unique<AppState>(std::move(options), std::move(platform));
}

App::~App() = default;

int App::Run() {
  if (!state_) return 1;
  AppState& app = *state_;
  app.report.SetDebugLogPath(kDebugLogFile);

  // The lock is checked before the report is created, so a second copy
  // leaves the running copy's Report.txt alone.
  const auto lock = app.instanceLock.Acquire(".", kInstanceName);
  if (lock == platform::InstanceLock::Result::AlreadyRunning) {
    platform::MessageBoxSpec box{"二重起動", "既に起動しています"};
    app.platform->ShowMessageBox(box);
    return 0;
  }
  if (!app.report.ReportCreate(kReportFile)) {
    std::fprintf(stderr, "vormholt: cannot create %s in this folder\n", kReportFile);
    return 1;
  }
  app.report.ReportPrintf(std::string("App : ver ") + kVersionText);
  app.report.ReportSystem(platform::ReadMachineInfo("."));

  if (!InitApp(app)) {
    ShutdownApp(app);
    return 1;
  }
  return MainLoop();
}

int App::MainLoop() {
  AppState& app = *state_;
  for (;;) {
    platform::Event event;
    if (app.platform->PollEvent(event)) {
      if (const auto exitCode = HandleEvent(app, event)) {
        ShutdownApp(app);
        return *exitCode;
      }
      continue;
    }
    if (app.AppActive == 0) {
      app.platform->WaitEvent();
      continue;
    }
    RunFrame(app);
    app.platform->SleepMs(1);
  }
}

}  // namespace vh::app
