#include "platform/KeyTable.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/VirtualKeys.h"

namespace vh::platform {
namespace {

struct NamedKey {
  int virtualKey;
  const char* name;  // SDL's name of the key
};

// The keys of the default assignment, the game's hot keys and the modifiers.
const NamedKey kKeys[] = {
    {vk::kLeft, "Left"},      {vk::kRight, "Right"},   {vk::kUp, "Up"},
    {vk::kDown, "Down"},      {0x5A, "Z"},             {0x58, "X"},
    {0x43, "C"},              {0x56, "V"},             {vk::kEscape, "Escape"},
    {vk::kSpace, "Space"},    {vk::kReturn, "Return"}, {vk::kLShift, "Left Shift"},
    {vk::kRShift, "Right Shift"}, {vk::kLControl, "Left Ctrl"},
    {vk::kRControl, "Right Ctrl"}, {0x30, "0"},         {0x39, "9"},
    {vk::kF1, "F1"},          {vk::kF1 + 1, "F2"},     {vk::kF1 + 2, "F3"},
    {vk::kF1 + 3, "F4"},      {vk::kF1 + 4, "F5"},     {vk::kF1 + 5, "F6"},
    {vk::kF1 + 6, "F7"},      {vk::kF1 + 7, "F8"},     {vk::kF1 + 8, "F9"},
    {vk::kF1 + 9, "F10"},     {vk::kF1 + 10, "F11"},   {vk::kF1 + 11, "F12"},
};

std::vector<uint8_t> StateWith(std::initializer_list<int> scancodes) {
  std::vector<uint8_t> state(keys::kScancodeCount);
  for (int s : scancodes) state[s] = 1;
  return state;
}

int ScancodeNamed(const char* name) {
  std::size_t length = 0;
  return keys::MatchKeyName(name, length);
}

TEST(KeyTable, EachKeyReachesItsVirtualKeyAndOnlyThat) {
  for (const NamedKey& key : kKeys) {
    SCOPED_TRACE(key.name);
    std::size_t length = 0;
    const int scancode = keys::MatchKeyName(key.name, length);
    ASSERT_NE(scancode, 0);
    EXPECT_EQ(length, std::string_view(key.name).size());
    EXPECT_EQ(keys::ScancodeName(scancode), key.name);
    const auto state = StateWith({scancode});
    EXPECT_TRUE(keys::IsVirtualKeyDown(state, key.virtualKey));
    for (const NamedKey& other : kKeys) {
      if (other.virtualKey != key.virtualKey) {
        EXPECT_FALSE(keys::IsVirtualKeyDown(state, other.virtualKey)) << other.name;
      }
    }
  }
}

TEST(KeyTable, SideNeutralModifiersMeanEitherSide) {
  const struct {
    const char* left;
    const char* right;
    int neutral;
  } kModifiers[] = {{"Left Shift", "Right Shift", vk::kShift},
                    {"Left Ctrl", "Right Ctrl", vk::kControl},
                    {"Left Alt", "Right Alt", vk::kMenu}};
  for (const auto& m : kModifiers) {
    SCOPED_TRACE(m.neutral);
    EXPECT_TRUE(keys::IsVirtualKeyDown(StateWith({ScancodeNamed(m.left)}), m.neutral));
    EXPECT_TRUE(keys::IsVirtualKeyDown(StateWith({ScancodeNamed(m.right)}), m.neutral));
    EXPECT_FALSE(keys::IsVirtualKeyDown(StateWith({}), m.neutral));
    // A key press reports the neutral code, as a key-down message does.
    EXPECT_EQ(keys::VirtualKeyOfScancode(ScancodeNamed(m.left)), m.neutral);
  }
  EXPECT_FALSE(keys::IsVirtualKeyDown(StateWith({ScancodeNamed("Right Shift")}), vk::kLShift));
}

TEST(KeyTable, LongestNameWinsAndCaseDoesNotMatter) {
  std::size_t length = 0;
  EXPECT_EQ(keys::MatchKeyName("left ctrl Z", length), ScancodeNamed("Left Ctrl"));
  EXPECT_EQ(length, 9u);
  EXPECT_EQ(keys::MatchKeyName("Left Z", length), ScancodeNamed("Left"));
  EXPECT_EQ(length, 4u);
  // A name must end at a word boundary: "Leftover" is not "Left".
  EXPECT_EQ(keys::MatchKeyName("Leftover", length), 0);
  EXPECT_EQ(keys::MatchKeyName("", length), 0);
}

TEST(KeyTable, ShortStateIsNeverReadPastItsEnd) {
  const std::vector<uint8_t> shortState(4, 1);
  EXPECT_FALSE(keys::IsVirtualKeyDown(shortState, vk::kEscape));
}

}  // namespace
}  // namespace vh::platform
