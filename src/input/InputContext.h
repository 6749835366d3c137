// Everything the input layer keeps between frames, owned by the application.
#pragma once

#include "input/InputState.h"
#include "input/KeyAssignment.h"
#include "input/MenuCursor.h"
#include "input/Mouse.h"

namespace vh::input {

struct InputContext {
  InputState state;
  KeyAssignment keys = DefaultKeyAssignment();
  MenuCursor menuCursor;
  MouseState mouse;
};

}  // namespace vh::input
