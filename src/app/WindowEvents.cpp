#include "app/WindowEvents.h"

#include "platform/VirtualKeys.h"
#include "sound/Music.h"

namespace vh::app {

std::optional<int> HandleEvent(AppState& app, const platform::Event& event) {
  switch (event.type) {
    case platform::EventType::CloseRequested:
      CloseMainWindow(app);
      break;
    case platform::EventType::Activated:
      app.AppActive = 1;
      break;
    case platform::EventType::Deactivated:
      app.AppActive = 0;
      break;
    case platform::EventType::KeyDown:
      // Escape ends the application from any screen.
      if (event.value == platform::vk::kEscape) app.platform->PostClose();
      break;
    case platform::EventType::MusicFinished:
      // The song ended: play it again from the start, so the music loops.
      if (app.sound) sound::OnMusicFinished(*app.sound, event.value);
      break;
    case platform::EventType::Quit:
      return event.value;
  }
  return std::nullopt;
}

void CloseMainWindow(AppState& app) {
  if (!app.windowAlive) return;
  if (app.stageLoader) app.stageLoader->Stop();
  app.platform->CloseWindow();
  app.windowAlive = false;
  app.platform->PostEvent({platform::EventType::Quit, 0});
}

}  // namespace vh::app
