// Fill InputState from the devices once per frame, either with the fixed
// default assignment or with a key assignment record.
#pragma once

#include "input/InputDevices.h"
#include "input/InputState.h"
#include "input/KeyAssignment.h"

namespace vh::input {

inline constexpr int kReadJoystick = 1;
inline constexpr int kReadKeyboard = 2;

// Joystick `joystickId` (its stick and buttons 1..4 through joystickButtonMask)
// and/or the keyboard (arrows, Z X C V), as `flags` asks. The keyboard fills
// in the directions and buttons the joystick did not give.
void ReadDefaultInput(InputState& state, InputDevices& devices, int joystickId = 0,
                      int flags = kReadJoystick | kReadKeyboard);

// The directions and buttons that the assignment's entries hold down.
void ReadCustomInput(InputState& state, InputDevices& devices, const KeyAssignment& keys);

// The frame step's read: the custom reader when the assignment is in use,
// else the default reader.
void ReadFrameInput(InputState& state, InputDevices& devices, const KeyAssignment& keys);

}  // namespace vh::input
