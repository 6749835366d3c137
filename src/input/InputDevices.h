// The devices the input layer polls. The game passes the platform through
// PlatformInputDevices; tests pass a scripted fake.
#pragma once

#include "platform/Platform.h"

namespace vh::input {

class InputDevices {
 public:
  virtual ~InputDevices() = default;
  // Keyboard by Windows virtual-key code.
  virtual bool IsKeyDown(int virtualKey) const = 0;
  // Axes on 0..65535, buttons as a bit mask; false when the read failed.
  virtual bool ReadJoystick(int id, platform::JoystickReading& reading) = 0;
  // Cursor in picture coordinates and the two buttons.
  virtual platform::MouseReading ReadMouse() const = 0;
};

class PlatformInputDevices final : public InputDevices {
 public:
  explicit PlatformInputDevices(platform::Platform& platform) : platform_(platform) {}
  bool IsKeyDown(int virtualKey) const override { return platform_.IsKeyDown(virtualKey); }
  bool ReadJoystick(int id, platform::JoystickReading& reading) override {
    return platform_.ReadJoystick(id, reading);
  }
  platform::MouseReading ReadMouse() const override { return platform_.ReadMouse(); }

 private:
  platform::Platform& platform_;
};

}  // namespace vh::input
