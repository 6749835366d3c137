#include "input/InputReaders.h"

#include <algorithm>

#include "platform/VirtualKeys.h"

namespace vh::input {
namespace {

constexpr uint32_t kStickLow = 10000;   // at or below: pushed left / up
constexpr uint32_t kStickHigh = 55534;  // above: pushed right / down

// Reads a joystick unless it failed recently; a failure costs one attempt
// every kJoystickRetryFrames frames. True when it was read now without error.
bool PollJoystick(JoystickPoll& poll, InputDevices& devices, int id,
                  platform::JoystickReading& reading) {
  if (poll.present == 0 && poll.retry > 0) {
    --poll.retry;
    return false;
  }
  if (!devices.ReadJoystick(id, reading)) {
    poll.present = 0;
    poll.retry = kJoystickRetryFrames;
    return false;
  }
  poll.present = 1;
  return true;
}

void AddDirection(InputState& state, uint16_t bit, int32_t codeStep) {
  state.directions |= bit;
  state.directionCode += codeStep;
}

void ApplyStick(InputState& state, const platform::JoystickReading& reading) {
  state.directionCode = kNeutralCode;
  state.directions = 0;
  if (reading.x <= kStickLow) {
    AddDirection(state, kLeft, -1);
  } else if (reading.x > kStickHigh) {
    AddDirection(state, kRight, 1);
  }
  if (reading.y <= kStickLow) {
    AddDirection(state, kUp, -3);
  } else if (reading.y > kStickHigh) {
    AddDirection(state, kDown, 3);
  }
  state.buttons = 0;
  for (int i = 0; i < 4; ++i) {
    if (reading.buttons & state.joystickButtonMask[i]) state.buttons |= 1u << i;
  }
}

void ApplyKeyboard(InputState& state, const InputDevices& devices, bool stickRead) {
  namespace vk = platform::vk;
  if (!stickRead || state.directionCode == kNeutralCode) {
    state.directionCode = kNeutralCode;
    state.directions = 0;
    if (devices.IsKeyDown(vk::kLeft)) AddDirection(state, kLeft, -1);
    if (devices.IsKeyDown(vk::kRight)) AddDirection(state, kRight, 1);
    if (devices.IsKeyDown(vk::kUp)) AddDirection(state, kUp, -3);
    if (devices.IsKeyDown(vk::kDown)) AddDirection(state, kDown, 3);
  }
  if (!stickRead || state.buttons == 0) {
    state.buttons = 0;
    const int keys[] = {'Z', 'X', 'C', 'V'};
    for (int i = 0; i < 4; ++i) {
      if (devices.IsKeyDown(keys[i])) state.buttons |= 1u << i;
    }
  }
}

bool StickHolds(uint16_t code, const platform::JoystickReading& reading) {
  switch (code) {
    case kStickLeft: return reading.x <= kStickLow;
    case kStickRight: return reading.x > kStickHigh;
    case kStickUp: return reading.y <= kStickLow;
    case kStickDown: return reading.y > kStickHigh;
    default: return false;
  }
}

struct JoystickFrame {
  bool readable = false;
  platform::JoystickReading reading;
};

// Device numbers outside the keyboard and the polled joysticks, and key codes
// outside the virtual-key range, never count as held.
bool EntryDown(const KeyEntry& entry, const InputDevices& devices,
               const std::array<JoystickFrame, kMaxJoysticks>& joysticks) {
  if (entry.device == kKeyboardDevice) {
    return entry.code < platform::vk::kCount && devices.IsKeyDown(entry.code);
  }
  if (entry.device < 0 || entry.device >= kMaxJoysticks) return false;
  const JoystickFrame& stick = joysticks[entry.device];
  if (!stick.readable) return false;
  return StickHolds(entry.code, stick.reading) || (entry.code & stick.reading.buttons) != 0;
}

}  // namespace

void ReadDefaultInput(InputState& state, InputDevices& devices, int joystickId, int flags) {
  bool stickRead = false;
  if (flags & kReadJoystick) {
    platform::JoystickReading reading;
    JoystickPoll poll{state.joystickPresent, state.joystickRetry};
    stickRead = PollJoystick(poll, devices, joystickId, reading);
    state.joystickPresent = poll.present;
    state.joystickRetry = poll.retry;
    if (stickRead) ApplyStick(state, reading);
  }
  if (flags & kReadKeyboard) ApplyKeyboard(state, devices, stickRead);
}

void ReadCustomInput(InputState& state, InputDevices& devices, const KeyAssignment& keys) {
  std::array<JoystickFrame, kMaxJoysticks> joysticks{};
  const int polled = std::clamp(keys.joystickCount, 0, kMaxJoysticks);
  for (int id = 0; id < polled; ++id) {
    JoystickFrame& stick = joysticks[id];
    stick.readable = PollJoystick(state.customJoysticks[id], devices, id,
                                  stick.reading);
  }

  state.directionCode = kNeutralCode;
  state.directions = 0;
  state.buttons = 0;
  auto down = [&](int index) { return EntryDown(keys.entries[index], devices, joysticks); };
  if (down(0)) {
    AddDirection(state, kLeft, -1);
  } else if (down(1)) {
    AddDirection(state, kRight, 1);
  }
  if (down(2)) {
    AddDirection(state, kUp, -3);
  } else if (down(3)) {
    AddDirection(state, kDown, 3);
  }
  // The record holds eight entries, so a larger stored count still ends there.
  const int last = std::min(keys.entryCount, kKeyEntryCount);
  for (int i = 4; i < last; ++i) {
    if (down(i)) state.buttons |= static_cast<uint16_t>(1u << (i - 4));
  }
}

void ReadFrameInput(InputState& state, InputDevices& devices, const KeyAssignment& keys) {
  if (keys.customInUse != 0) {
    ReadCustomInput(state, devices, keys);
  } else {
    ReadDefaultInput(state, devices);
  }
}

}  // namespace vh::input
