// SDL events in the platform's terms.
#pragma once

#include <SDL2/SDL.h>

#include "platform/Platform.h"

namespace vh::platform {

// Alt+Enter: switches between window and full screen; the game never sees it.
bool IsFullscreenToggle(const SDL_Event& e);

// Events posted by PostEvent travel as one registered SDL user event type.
SDL_Event MakeUserEvent(Uint32 userType, const Event& event);

// The game's view of `e`, or false for events it does not care about.
bool TranslateEvent(const SDL_Event& e, Uint32 userType, Event& out);

}  // namespace vh::platform
