// Windows virtual-key codes <-> physical keys. Key assignment files store
// virtual-key codes, so both back ends translate through this one table: the
// SDL back end to read the keyboard state, the headless back end to turn the
// key names of an input script into the same state.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace vh::platform::keys {

// Physical keys are numbered as SDL scancodes (USB HID usage ids).
inline constexpr int kScancodeCount = 512;

// Whether `virtualKey` is held in `keyState` (one byte per scancode, non-zero
// = down). The side-neutral Shift, Ctrl and Alt codes mean either side.
bool IsVirtualKeyDown(std::span<const uint8_t> keyState, int virtualKey);

// The virtual-key code a key press reports (side-neutral for Shift, Ctrl and
// Alt, as a key-down message does); 0 when the key has no code.
int VirtualKeyOfScancode(int scancode);

// The keys that make up `virtualKey` (two for the side-neutral codes and for
// keys that exist twice, like Return and keypad Enter).
struct ScancodeList {
  int count = 0;
  std::array<int, 2> codes{};
};
ScancodeList ScancodesOf(int virtualKey);

// SDL's name of a key ("Left", "Z", "Left Ctrl"); empty when unknown.
std::string ScancodeName(int scancode);

// Matches the longest known key name (case-insensitive, words separated by
// single blanks) at the start of `text`. Returns the scancode and sets
// `length` to the characters used, or returns 0 when no name matches.
int MatchKeyName(std::string_view text, std::size_t& length);

}  // namespace vh::platform::keys
