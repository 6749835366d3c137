#include "platform/sdl/SdlEvents.h"

#include <cstdint>

#include "platform/KeyTable.h"

namespace vh::platform {

bool IsFullscreenToggle(const SDL_Event& e) {
  return e.type == SDL_KEYDOWN && e.key.repeat == 0 && (e.key.keysym.mod & KMOD_ALT) != 0 &&
         (e.key.keysym.scancode == SDL_SCANCODE_RETURN ||
          e.key.keysym.scancode == SDL_SCANCODE_KP_ENTER);
}

SDL_Event MakeUserEvent(Uint32 userType, const Event& event) {
  SDL_Event e{};
  e.type = userType;
  e.user.code = static_cast<Sint32>(event.type);
  e.user.data1 = reinterpret_cast<void*>(static_cast<intptr_t>(event.value));
  return e;
}

bool TranslateEvent(const SDL_Event& e, Uint32 userType, Event& out) {
  if (e.type == userType) {
    out = {static_cast<EventType>(e.user.code),
           static_cast<int>(reinterpret_cast<intptr_t>(e.user.data1))};
    return true;
  }
  switch (e.type) {
    case SDL_QUIT:  // a termination signal; closing the window comes as a window event
      out = {EventType::CloseRequested, 0};
      return true;
    case SDL_WINDOWEVENT:
      switch (e.window.event) {
        case SDL_WINDOWEVENT_CLOSE:
          out = {EventType::CloseRequested, 0};
          return true;
        case SDL_WINDOWEVENT_FOCUS_GAINED:
          out = {EventType::Activated, 0};
          return true;
        case SDL_WINDOWEVENT_FOCUS_LOST:
          out = {EventType::Deactivated, 0};
          return true;
        default:
          return false;
      }
    case SDL_KEYDOWN:
      out = {EventType::KeyDown, keys::VirtualKeyOfScancode(e.key.keysym.scancode)};
      return out.value != 0;
    default:
      return false;
  }
}

}  // namespace vh::platform
