#include "app/FrameStep.h"

#include <exception>

#include "draw/Present.h"
#include "draw/TextOut.h"
#include "input/InputReaders.h"
#include "platform/PngWriter.h"

namespace vh::app {

namespace {

constexpr int kDebugFontSlot = 1;
constexpr int kFpsX = 584;
constexpr int kFpsY = 460;

// The plain renderer is paced before the frame with the millisecond pacer.
void WaitForFrame(AppState& app) {
  if (app.draw->Direct3D == 1) return;
  while (!app.pacer.FrameDue(app.FrameRate)) app.platform->SleepMs(1);
}

void SwitchScene(AppState& app) {
  try {
    app.sceneManager->Switch(app.sceneGlobals.CurrentScene);
  } catch (const std::exception& error) {
    app.diagnostics.DebugLog(error.what());
    app.platform->PostClose();
  }
}

void DrawFps(AppState& app, int fps) {
  if (app.systemSettings.ShowFPS != 1) return;
  draw::DrawDevice& dd = *app.draw;
  draw::DDPrintf(dd, dd.BackBuffer, kFpsX, kFpsY, 8, 16, dd.SurfaceTable[kDebugFontSlot],
                 "FPS %2d", fps);
}

void SaveScreenshots(AppState& app, uint64_t frame, const std::vector<uint32_t>& picture) {
  for (const ScreenshotRequest& request : app.options.screenshots) {
    if (request.frame != frame) continue;
    if (!platform::WritePng(request.file, picture.data(), draw::kScreenWidth, draw::kScreenHeight,
                            draw::kScreenWidth)) {
      app.report.ReportError("Screenshot Err " + request.file.string());
    }
  }
}

}  // namespace

// The accelerated renderer paces here with the fractional pacer. It does so
// with V-sync too: a display faster than FrameRate must not speed the game up.
void PresentFrame(AppState& app) {
  if (app.draw->Direct3D == 1) {
    while (!app.pacer.FrameDueD3D(app.FrameRate)) app.platform->SleepMs(1);
  }
  const uint64_t frame = app.platform->FrameCount();
  const std::vector<uint32_t> picture = draw::ComposeFrame(*app.draw);
  app.platform->Present(picture.data());
  SaveScreenshots(app, frame, picture);
  if (app.options.frames && !app.closePosted && frame + 1 >= *app.options.frames) {
    app.closePosted = true;
    app.platform->PostClose();
  }
}

void RunFrame(AppState& app) {
  WaitForFrame(app);
  input::ReadFrameInput(app.input.state, app.inputDevices, app.input.keys);
  SwitchScene(app);
  app.sceneManager->UpdateCurrent();
  const int fps = app.pacer.CountFPS(1);
  if (scene::Scene* game = app.sceneManager->Game()) game->SetFps(fps);
  DrawFps(app, fps);
  PresentFrame(app);
}

}  // namespace vh::app
