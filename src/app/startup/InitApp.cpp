#include "app/startup/InitApp.h"

#include "app/scenes/SceneFactory.h"
#include "app/stage/AppStageLoaderHost.h"
#include "app/startup/DisplayMode.h"
#include "app/startup/LaunchDialog.h"
#include "draw/Surfaces.h"
#include "draw/PaletteOps.h"
#include "input/KeyAssignment.h"
#include "sound/Music.h"
#include "sound/SoundEffects.h"
#include "stage/ConstructionConfig.h"
#include "stage/RecordTable.h"

namespace vh::app {

namespace {

constexpr const char* kSystemIniFile = "System.ini";
constexpr const char* kBootFile = "user_data/Boot.dat";
constexpr const char* kCustomKeyFile = "user_data/CustomKey.dat";
constexpr const char* kConstructionFile = "user_data/Construction.cnst3p";
constexpr const char* kRecordFile = "user_data/Record.rec";
constexpr const char* kSystemIniFailed = "System.ini の読み込みに失敗しました！";
constexpr const char* kWindowTitle = "Game";

void ReadSettings(AppState& app) {
  if (ReadSystemIni(kSystemIniFile, app.systemSettings) != SystemIniStatus::Read) {
    app.systemSettings = SystemSettings{};
    app.report.ReportError(kSystemIniFailed);
    app.messages.ErrorBox(kSystemIniFailed);
  }
}

// Resolves "ask" (2 or more) to 0 or 1 through Boot.dat and the dialog.
bool ChooseDrawMode(AppState& app) {
  SystemSettings& settings = app.systemSettings;
  if (settings.Direct3D < 2) return true;
  BootSettings boot;
  ReadBoot(kBootFile, boot);
  if (boot.hideDialog == 0 && !LaunchDialog(*app.platform, boot, kBootFile)) return false;
  settings.Direct3D = boot.drawMode == 1 ? 1 : 0;
  return true;
}

bool OpenWindow(AppState& app, const DisplayMode& mode, std::string& error) {
  platform::WindowConfig config;
  config.title = kWindowTitle;
  config.windowed = mode.windowed != 0;
  config.scale = app.systemSettings.Scale;
  config.accelerated = mode.direct3D == 1;
  config.vsync = mode.vsync != 0;
  app.windowAlive = app.platform->OpenWindow(config, error);
  if (app.windowAlive) app.platform->ShowWindow();
  return app.windowAlive;
}

bool StartDrawing(AppState& app, DisplayMode& mode) {
  app.draw = std::make_unique<draw::DrawDevice>(app.diagnostics, ".");
  draw::DDInitParams params;
  params.windowed = mode.windowed;
  params.colorBits = mode.colorBits;
  params.vsync = mode.vsync;
  params.waitForRefresh = mode.vsync;
  std::string error;
  if (mode.direct3D == 1) {
    params.direct3D = 1;
    if (OpenWindow(app, mode, error) && draw::DDInit(*app.draw, params)) return true;
    // One silent fall-back to the software renderer, same depth and mode.
    app.report.ReportError(error.empty() ? "Direct3D start failed" : error);
    draw::DDRelease(*app.draw);
    app.platform->CloseWindow();
    mode.direct3D = 0;
    app.systemSettings.Direct3D = 0;
  }
  params.direct3D = 0;
  if (OpenWindow(app, mode, error) && draw::DDInit(*app.draw, params)) return true;
  if (!error.empty()) app.report.ReportError(error);
  app.report.DebugLogLine("DDInit失敗");
  return false;
}

void ReportDisplay(AppState& app, const DisplayMode& mode) {
  ReportLog& report = app.report;
  report.ReportPrintf(mode.windowed ? "Mode : Window" : "Mode : Fullscreen");
  report.ReportPrintf("Bpp : " + std::to_string(mode.colorBits));
  report.ReportPrintf(mode.direct3D == 1 ? "Draw : Direct3D" : "Draw : DirectDraw");
  report.ReportPrintf("Renderer : " + app.platform->RendererName());
  report.ReportPrintf(std::string("BackBuffer : ") + draw::BackBufferFormatName(*app.draw));
  report.ReportPrintf("RR : " + std::to_string(app.platform->RefreshRate()));
}

bool LoadPaletteAndTransmit(AppState& app) {
  draw::DrawDevice& dd = *app.draw;
  const std::string_view paletteFile = dd.bitmapList[draw::kBmpPalette].fileName;
  if (!draw::DDLoadPaletteFromFile(dd, dd.TruePalette, paletteFile)) {
    app.report.DebugLogLine("DDLoadPaletteFromFile失敗");
    return false;
  }
  dd.ShownPalette = dd.TruePalette;
  if (!draw::DDSetTransmit(dd, paletteFile)) {
    app.report.DebugLogLine("DDSetTransmit失敗");
    return false;
  }
  return true;
}

// The system-font texts (messages, names) need a Japanese gothic face. Without
// one the game still runs; those texts are then not drawn.
void BuildFontSet(AppState& app) {
  std::string error;
  app.fontLibrary = platform::FontLibrary::Create(error);
  if (app.fontLibrary) {
    app.fonts = draw::SystemFontSet::Create(*app.draw, *app.fontLibrary,
                                            {draw::MessageFontDesc()}, error);
  }
  if (!app.fonts) app.report.ReportError("Font : " + error);
}

// Effects at 22050 Hz, 8 bits, mono. Without an output device every sound
// call is a silent no-op and start-up goes on.
bool StartSoundEffects(AppState& app) {
  app.sound = std::make_unique<sound::SoundSystem>(*app.platform, app.diagnostics, ".");
  if (!sound::DS_Init(*app.sound, 22050, 8, 1)) {
    app.report.DebugLogLine("DS_Init失敗！");
    return false;
  }
  if (!sound::DSCreateBufferGroup(*app.sound)) {
    app.report.DebugLogLine("DSCreateBufferGroup失敗！");
    return false;
  }
  return true;
}

bool StartMusic(AppState& app, bool musicOn) {
  if (!musicOn) return true;
  app.sound->music.enabled = true;
  if (!sound::ResizeSound(*app.sound, 1)) {
    app.report.DebugLogLine("ResizeSound失敗！");
    return false;
  }
  return true;
}

void CreateScenes(AppState& app) {
  app.sceneContext.reset(new scene::SceneContext{*app.platform, app.diagnostics, *app.draw,
                                                 app.input, *app.sound, app.sceneGlobals,
                                                 app.FrameRate});
  app.sceneManager = std::make_unique<SceneManager>(app.sceneGlobals, MakeSceneFactory(app));
}

}  // namespace

bool InitApp(AppState& app) {
  ReadSettings(app);
  if (!ChooseDrawMode(app)) return false;

  const SystemSettings& s = app.systemSettings;
  const int desktopBits = app.platform->DesktopBitsPerPixel();
  DisplayMode mode = ResolveDisplayMode(s.Direct3D, s.Window, s.Bpp, s.VSyncMode, desktopBits);
  if (const auto message = ValidateDisplayMode(mode, desktopBits)) {
    app.messages.ErrorBox(*message);
    return false;
  }
  if (!StartDrawing(app, mode)) return false;
  ReportDisplay(app, mode);
  app.report.DebugLogLine("DDInit成功");

  if (!LoadPaletteAndTransmit(app)) return false;
  app.UseTimerCopy = 1;  // presentation always copies our picture to the window
  if (!draw::DDCreateSurfaceFromBitmapList(*app.draw, {draw::kBmpDebug})) return false;

  BuildFontSet(app);
  if (!StartSoundEffects(app)) return false;
  // A missing or damaged file leaves the defaults (every menu, 4 worlds, 8
  // hell stages, 3 lives, 60 frames per second, music on).
  stage::ReadConstructionConfig(kConstructionFile, app.construction);
  app.FrameRate = stage::FrameRateTarget(app.construction);
  if (!StartMusic(app, app.construction.musicEnabled != 0)) return false;
  stage::ReadRecordTable(kRecordFile, app.record);
  stage::ApplyOpenAllSwitches(app.record, app.construction);
  input::LoadKeyAssignment(kCustomKeyFile, app.input.keys);
  CreateStageLoader(app);
  CreateScenes(app);
  return true;
}

}  // namespace vh::app
