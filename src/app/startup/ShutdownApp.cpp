#include "app/startup/ShutdownApp.h"

namespace vh::app {

void ShutdownApp(AppState& app) {
  if (app.sceneManager) app.sceneManager->DestroyAll();
  app.sceneManager.reset();
  app.sceneContext.reset();
  if (app.draw) draw::DDRelease(*app.draw);
  app.draw.reset();
  if (app.windowAlive) app.platform->CloseWindow();
  app.windowAlive = false;
}

}  // namespace vh::app
