// Scripted devices: keys held by virtual-key code, joysticks that answer or
// fail, and a mouse; every joystick read is counted.
#pragma once

#include <map>
#include <set>

#include "input/InputDevices.h"

namespace vh::input::test {

class FakeDevices final : public InputDevices {
 public:
  std::set<int> keys;
  std::map<int, platform::JoystickReading> joysticks;  // absent id = read fails
  std::map<int, int> joystickReads;                    // id -> read attempts
  platform::MouseReading mouse;

  bool IsKeyDown(int virtualKey) const override { return keys.count(virtualKey) != 0; }
  bool ReadJoystick(int id, platform::JoystickReading& reading) override {
    ++joystickReads[id];
    const auto it = joysticks.find(id);
    if (it == joysticks.end()) return false;
    reading = it->second;
    return true;
  }
  platform::MouseReading ReadMouse() const override { return mouse; }
};

}  // namespace vh::input::test
