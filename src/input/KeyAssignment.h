// The key assignment record of user_data/CustomKey.dat: which keyboard key or
// joystick input drives each direction and button.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>

namespace vh::input {

inline constexpr int32_t kKeyboardDevice = 8;
inline constexpr int kKeyEntryCount = 8;  // left, right, up, down, buttons 1..4
inline constexpr size_t kKeyAssignmentBytes = 76;

// Joystick entry codes for the stick; any code also matches pressed buttons
// whose bits it shares.
inline constexpr uint16_t kStickLeft = 256;
inline constexpr uint16_t kStickRight = 512;
inline constexpr uint16_t kStickUp = 1024;
inline constexpr uint16_t kStickDown = 2048;

struct KeyEntry {
  int32_t device = kKeyboardDevice;  // 8 = keyboard, 0..7 = joystick id
  uint16_t code = 0;                 // virtual-key code or joystick code
  uint16_t reserved = 0;
};

struct KeyAssignment {
  std::array<KeyEntry, kKeyEntryCount> entries{};
  int32_t entryCount = kKeyEntryCount;  // entries 4 .. entryCount-1 are buttons
  int32_t joystickCount = 1;            // joystick ids 0 .. joystickCount-1 are polled
  int32_t customInUse = 0;              // 0 = the default reader drives the input
};
static_assert(sizeof(KeyEntry) == 8);
static_assert(sizeof(KeyAssignment) == kKeyAssignmentBytes);

// Arrows for the directions, Z X C V for the buttons, one joystick, not in use.
KeyAssignment DefaultKeyAssignment();

// Decodes the 76-byte little-endian image; any other length is refused.
// Values are kept as stored; the reader bounds them where it uses them.
std::optional<KeyAssignment> ParseKeyAssignment(std::span<const uint8_t> bytes);

enum class KeyFileStatus { Loaded, Missing, WrongSize };

// Reads the file into `keys`, or fills `keys` with the defaults when the file
// cannot be opened or is not exactly 76 bytes long. The file is never written.
KeyFileStatus LoadKeyAssignment(const std::filesystem::path& file, KeyAssignment& keys);

}  // namespace vh::input
