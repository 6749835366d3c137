#include "input/Mouse.h"

namespace vh::input {

void ReadMouse(MouseState& mouse, const InputDevices& devices, int flags) {
  const platform::MouseReading reading = devices.ReadMouse();
  mouse.x = reading.x;
  mouse.y = reading.y;
  const bool down = flags & kMouseDown;
  const bool pressed = flags & kMousePressed;
  const bool released = flags & kMouseReleased;
  mouse.left = down && reading.left;
  mouse.right = down && reading.right;
  mouse.leftPressed = pressed && reading.left && !mouse.previousLeft;
  mouse.rightPressed = pressed && reading.right && !mouse.previousRight;
  mouse.leftReleased = released && !reading.left && mouse.previousLeft;
  mouse.rightReleased = released && !reading.right && mouse.previousRight;
  mouse.previousLeft = reading.left;
  mouse.previousRight = reading.right;
}

}  // namespace vh::input
