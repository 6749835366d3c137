#include "platform/sdl/SdlJoysticks.h"

#include <algorithm>
#include <iterator>

namespace vh::platform {
namespace {

constexpr uint32_t kAxisMax = 65535;

// SDL axes run -32768..32767.
uint32_t ToWideAxis(Sint16 value) { return static_cast<uint32_t>(value + 32768); }

// A d-pad or hat pushes the axis to its end, as many pads report it.
void ApplyDirections(bool left, bool right, bool up, bool down, JoystickReading& r) {
  if (left) r.x = 0;
  if (right) r.x = kAxisMax;
  if (up) r.y = 0;
  if (down) r.y = kAxisMax;
}

void ReadController(SDL_GameController* c, JoystickReading& r) {
  r.x = ToWideAxis(SDL_GameControllerGetAxis(c, SDL_CONTROLLER_AXIS_LEFTX));
  r.y = ToWideAxis(SDL_GameControllerGetAxis(c, SDL_CONTROLLER_AXIS_LEFTY));
  ApplyDirections(SDL_GameControllerGetButton(c, SDL_CONTROLLER_BUTTON_DPAD_LEFT),
                  SDL_GameControllerGetButton(c, SDL_CONTROLLER_BUTTON_DPAD_RIGHT),
                  SDL_GameControllerGetButton(c, SDL_CONTROLLER_BUTTON_DPAD_UP),
                  SDL_GameControllerGetButton(c, SDL_CONTROLLER_BUTTON_DPAD_DOWN), r);
  // Buttons 1..10 in the usual order of pads on the old joystick interface,
  // then the two triggers as buttons 11 and 12.
  constexpr SDL_GameControllerButton kOrder[] = {
      SDL_CONTROLLER_BUTTON_A,         SDL_CONTROLLER_BUTTON_B,
      SDL_CONTROLLER_BUTTON_X,         SDL_CONTROLLER_BUTTON_Y,
      SDL_CONTROLLER_BUTTON_LEFTSHOULDER, SDL_CONTROLLER_BUTTON_RIGHTSHOULDER,
      SDL_CONTROLLER_BUTTON_BACK,      SDL_CONTROLLER_BUTTON_START,
      SDL_CONTROLLER_BUTTON_LEFTSTICK, SDL_CONTROLLER_BUTTON_RIGHTSTICK,
  };
  r.buttons = 0;
  for (int i = 0; i < static_cast<int>(std::size(kOrder)); ++i) {
    if (SDL_GameControllerGetButton(c, kOrder[i])) r.buttons |= 1u << i;
  }
  constexpr Sint16 kTriggerPressed = 16384;
  if (SDL_GameControllerGetAxis(c, SDL_CONTROLLER_AXIS_TRIGGERLEFT) > kTriggerPressed)
    r.buttons |= 1u << 10;
  if (SDL_GameControllerGetAxis(c, SDL_CONTROLLER_AXIS_TRIGGERRIGHT) > kTriggerPressed)
    r.buttons |= 1u << 11;
}

void ReadJoystick(SDL_Joystick* j, JoystickReading& r) {
  if (SDL_JoystickNumAxes(j) >= 2) {
    r.x = ToWideAxis(SDL_JoystickGetAxis(j, 0));
    r.y = ToWideAxis(SDL_JoystickGetAxis(j, 1));
  }
  if (SDL_JoystickNumHats(j) >= 1) {
    const Uint8 hat = SDL_JoystickGetHat(j, 0);
    ApplyDirections(hat & SDL_HAT_LEFT, hat & SDL_HAT_RIGHT, hat & SDL_HAT_UP, hat & SDL_HAT_DOWN,
                    r);
  }
  r.buttons = 0;
  const int count = std::min(SDL_JoystickNumButtons(j), 32);
  for (int i = 0; i < count; ++i) {
    if (SDL_JoystickGetButton(j, i)) r.buttons |= 1u << i;
  }
}

}  // namespace

void SdlJoysticks::CloseAll() {
  for (auto& [id, device] : devices_) CloseDevice(device);
  devices_.clear();
}

void SdlJoysticks::CloseDevice(Device& device) {
  // A controller owns its joystick.
  if (device.controller != nullptr) {
    SDL_GameControllerClose(device.controller);
  } else if (device.joystick != nullptr) {
    SDL_JoystickClose(device.joystick);
  }
  device = {};
}

bool SdlJoysticks::Read(int id, JoystickReading& reading) {
  if (id < 0) return false;
  Device& device = devices_[id];
  if (device.joystick != nullptr && !SDL_JoystickGetAttached(device.joystick))
    CloseDevice(device);
  if (device.joystick == nullptr) {
    if (id >= SDL_NumJoysticks()) return false;
    if (SDL_IsGameController(id)) {
      device.controller = SDL_GameControllerOpen(id);
      if (device.controller != nullptr)
        device.joystick = SDL_GameControllerGetJoystick(device.controller);
    } else {
      device.joystick = SDL_JoystickOpen(id);
    }
    if (device.joystick == nullptr) {
      CloseDevice(device);
      return false;
    }
  }
  reading = {};
  if (device.controller != nullptr) {
    ReadController(device.controller, reading);
  } else {
    ReadJoystick(device.joystick, reading);
  }
  return true;
}

}  // namespace vh::platform
