// Joysticks and game pads, read on the 0..65535 scale with a button mask.
// Pads that SDL knows a game-controller mapping for are read through it, so
// the stick, the d-pad and the face buttons sit in the same places on every pad.
#pragma once

#include <SDL2/SDL.h>

#include <map>

#include "platform/Platform.h"

namespace vh::platform {

class SdlJoysticks {
 public:
  SdlJoysticks() = default;
  SdlJoysticks(const SdlJoysticks&) = delete;
  SdlJoysticks& operator=(const SdlJoysticks&) = delete;
  ~SdlJoysticks() { CloseAll(); }

  void CloseAll();

  // Opens joystick `id` (0 = the first connected) on first use; false when it
  // is not connected.
  bool Read(int id, JoystickReading& reading);

 private:
  struct Device {
    SDL_GameController* controller = nullptr;
    SDL_Joystick* joystick = nullptr;
  };
  static void CloseDevice(Device& device);

  std::map<int, Device> devices_;
};

}  // namespace vh::platform
