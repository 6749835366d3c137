// The editor's mouse: position, button states and their edges.
#pragma once

#include <cstdint>

#include "input/InputDevices.h"

namespace vh::input {

inline constexpr int kMouseDown = 1;
inline constexpr int kMousePressed = 2;
inline constexpr int kMouseReleased = 4;

struct MouseState {
  int32_t x = 0;  // picture coordinates
  int32_t y = 0;
  bool left = false;
  bool right = false;
  bool leftPressed = false;  // down now, up at the previous call
  bool rightPressed = false;
  bool leftReleased = false;  // up now, down at the previous call
  bool rightReleased = false;
  bool previousLeft = false;  // down states of the previous call
  bool previousRight = false;
};

// Reads the mouse; `flags` chooses which of the down states, press edges and
// release edges are reported (the others read false). Edges are measured
// against the previous call whatever was asked.
void ReadMouse(MouseState& mouse, const InputDevices& devices,
               int flags = kMouseDown | kMousePressed | kMouseReleased);

}  // namespace vh::input
