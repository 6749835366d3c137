#include "app/startup/ShutdownApp.h"

#include "sound/Music.h"
#include "sound/SoundEffects.h"

namespace vh::app {

void ShutdownApp(AppState& app) {
  if (app.stageLoader) app.stageLoader->Stop();
  if (app.draw && app.fonts) {
    if (const auto line = app.fonts->ShutdownReport()) app.report.ReportPrintf(*line);
  }
  if (app.sound) {
    sound::ReleaseSound(*app.sound);
    sound::ReleaseMusic(*app.sound);
  }
  if (app.sceneManager) app.sceneManager->DestroyAll();
  app.sceneManager.reset();
  app.sceneContext.reset();
  app.fonts.reset();
  app.fontLibrary.reset();
  if (app.draw) draw::DDRelease(*app.draw);
  app.draw.reset();
  if (app.windowAlive) app.platform->CloseWindow();
  app.windowAlive = false;
}

}  // namespace vh::app
