// Modal message boxes through SDL, over the game window when there is one.
#pragma once

#include <SDL2/SDL.h>

#include <optional>

#include "platform/Platform.h"

namespace vh::platform {

// The pressed button's result, or nothing when no box could be shown (no
// display); the caller then answers as the headless back end does.
std::optional<int> ShowSdlMessageBox(SDL_Window* parent, const MessageBoxSpec& spec);
std::optional<int> ShowSdlChoiceBox(SDL_Window* parent, const ChoiceBoxSpec& spec);

}  // namespace vh::platform
