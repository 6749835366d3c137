// What the application does with each window event. The main loop and the
// stage loader's wait both dispatch through here.
#pragma once

#include <optional>

#include "app/AppState.h"

namespace vh::app {

// Returns the exit code when the event ends the program.
std::optional<int> HandleEvent(AppState& app, const platform::Event& event);

// Stops a running stage loader, then takes the window down; the Quit that
// follows ends the main loop.
void CloseMainWindow(AppState& app);

}  // namespace vh::app
