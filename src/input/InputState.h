// The per-frame input record that the readers fill and the scenes filter.
#pragma once

#include <array>
#include <cstdint>

namespace vh::input {

// Direction bits of InputState::directions.
inline constexpr uint16_t kLeft = 1;
inline constexpr uint16_t kRight = 2;
inline constexpr uint16_t kUp = 4;
inline constexpr uint16_t kDown = 8;
inline constexpr uint16_t kHorizontal = kLeft | kRight;
inline constexpr uint16_t kVertical = kUp | kDown;

// Numeric direction codes laid out like a keypad seen from above: 5 is
// neutral, left/right step by 1, up/down by 3.
inline constexpr int32_t kNeutralCode = 5;

inline constexpr int kHistoryLength = 32;
inline constexpr int kJoystickRetryFrames = 120;
// Joystick ids a key assignment can name (device 0..7).
inline constexpr int kMaxJoysticks = 8;

enum class HistoryRing { Directions = 0, Buttons = 1 };

struct HistoryEntry {
  uint16_t value = 0;
  int32_t duration = 0;  // frames the value has been held
};

// Whether a joystick answered its last read, and how many frames to wait
// before asking a silent one again.
struct JoystickPoll {
  int32_t present = 0;
  int32_t retry = 0;
};

struct InputState {
  uint16_t directions = 0;
  uint16_t buttons = 0;  // bit n = button n + 1
  uint16_t directionTrail = 0;
  std::array<std::array<HistoryEntry, kHistoryLength>, 2> history{};
  std::array<int32_t, 2> historyHead{};
  int32_t directionCode = kNeutralCode;
  int32_t repeatCountX = 0;
  int32_t repeatCountY = 0;
  int32_t buttonLatch = 0;
  std::array<uint16_t, 4> joystickButtonMask{1, 2, 4, 8};
  // The default reader's joystick.
  int32_t joystickPresent = 0;
  int32_t joystickRetry = 0;
  // The custom reader polls every assigned joystick on its own.
  std::array<JoystickPoll, kMaxJoysticks> customJoysticks{};
};

}  // namespace vh::input
