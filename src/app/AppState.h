// Everything the running application holds, in one place, owned by App.
// Members are declared in start-up order so that destruction runs in reverse.
#pragma once

#include <memory>
#include <optional>

#include "app/CommandLine.h"
#include "app/messages/AppDiagnostics.h"
#include "app/messages/Messages.h"
#include "app/pacing/FramePacer.h"
#include "app/report/ReportLog.h"
#include "app/scenes/SceneManager.h"
#include "app/settings/SystemIni.h"
#include "draw/DrawDevice.h"
#include "draw/SystemFont.h"
#include "input/InputContext.h"
#include "input/InputDevices.h"
#include "platform/InstanceLock.h"
#include "platform/Platform.h"
#include "platform/fonts/FontLibrary.h"
#include "scene/SceneContext.h"
#include "scene/SceneGlobals.h"
#include "sound/SoundSystem.h"
#include "stage/ConstructionConfig.h"
#include "stage/Palette.h"
#include "stage/RecordTable.h"
#include "stage/Stage.h"
#include "stage/StageLoader.h"

namespace vh::app {

inline constexpr int kDefaultFrameRate = 60;

struct AppState {
  explicit AppState(AppOptions opts, std::unique_ptr<platform::Platform> p)
      : options(std::move(opts)),
        platform(std::move(p)),
        messages(*platform),
        diagnostics(report, messages),
        pacer([this] { return platform->NowMs(); }),
        inputDevices(*platform) {}

  AppOptions options;
  std::unique_ptr<platform::Platform> platform;
  platform::InstanceLock instanceLock;
  ReportLog report;
  Messages messages;
  AppDiagnostics diagnostics;

  int AppActive = 0;
  bool windowAlive = false;
  SystemSettings systemSettings;
  int FrameRate = kDefaultFrameRate;
  FramePacer pacer;
  int UseTimerCopy = 1;

  std::unique_ptr<draw::DrawDevice> draw;
  std::unique_ptr<platform::FontLibrary> fontLibrary;
  std::unique_ptr<draw::SystemFontSet> fonts;  // null when no Japanese face is installed
  std::unique_ptr<sound::SoundSystem> sound;
  stage::ConstructionConfig construction = stage::DefaultConstructionConfig();
  stage::RecordTable record = stage::EmptyRecordTable();
  // The one current stage and palette of the process, and the worker that
  // loads them while the window stays responsive.
  stage::Stage stage;
  stage::Palette palette;
  std::unique_ptr<stage::StageLoaderHost> stageLoaderHost;
  std::unique_ptr<stage::StageLoader> stageLoader;
  input::InputContext input;
  input::PlatformInputDevices inputDevices;

  scene::SceneGlobals sceneGlobals;
  std::unique_ptr<scene::SceneContext> sceneContext;
  std::unique_ptr<SceneManager> sceneManager;
  bool closePosted = false;  // --frames has asked to close
};

}  // namespace vh::app
