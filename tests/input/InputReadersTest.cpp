#include "input/InputReaders.h"

#include <gtest/gtest.h>

#include <set>

#include "FakeDevices.h"
#include "platform/VirtualKeys.h"

namespace vh::input {
namespace {

namespace vk = platform::vk;
using test::FakeDevices;

struct Expected {
  uint16_t directions;
  int32_t code;
  uint16_t buttons;
};

void ExpectState(const InputState& state, const Expected& want) {
  EXPECT_EQ(state.directions, want.directions);
  EXPECT_EQ(state.directionCode, want.code);
  EXPECT_EQ(state.buttons, want.buttons);
}

platform::JoystickReading Stick(uint32_t x, uint32_t y, uint32_t buttons = 0) {
  return {x, y, buttons};
}

TEST(DefaultReader, KeyboardAlone) {
  struct Case {
    std::set<int> keys;
    Expected want;
  };
  const Case cases[] = {
      {{}, {0, 5, 0}},
      {{vk::kLeft}, {kLeft, 4, 0}},
      {{vk::kRight, vk::kDown}, {kRight | kDown, 9, 0}},
      {{vk::kUp, vk::kLeft}, {kUp | kLeft, 1, 0}},
      {{vk::kLeft, vk::kRight}, {kLeft | kRight, 5, 0}},
      {{vk::kUp, vk::kDown}, {kUp | kDown, 5, 0}},
      {{'Z', 'V'}, {0, 5, 0b1001}},
      {{'X', 'C', 'A'}, {0, 5, 0b0110}},
  };
  for (const Case& c : cases) {
    FakeDevices devices;  // no joystick answers
    devices.keys = c.keys;
    InputState state;
    ReadDefaultInput(state, devices);
    ExpectState(state, c.want);
  }
}

TEST(DefaultReader, JoystickThresholdsAndButtonMask) {
  struct Case {
    platform::JoystickReading reading;
    Expected want;
  };
  const Case cases[] = {
      {Stick(32767, 32767), {0, 5, 0}},
      {Stick(10000, 32767), {kLeft, 4, 0}},
      {Stick(10001, 32767), {0, 5, 0}},
      {Stick(55534, 32767), {0, 5, 0}},
      {Stick(55535, 32767), {kRight, 6, 0}},
      {Stick(0, 0), {kLeft | kUp, 1, 0}},
      {Stick(65535, 65535), {kRight | kDown, 9, 0}},
      {Stick(32767, 32767, 0b0101), {0, 5, 0b0101}},
      {Stick(32767, 32767, 0b1'0000), {0, 5, 0}},  // button 5 is not one of 1..4
  };
  for (const Case& c : cases) {
    FakeDevices devices;
    devices.joysticks[0] = c.reading;
    InputState state;
    ReadDefaultInput(state, devices);
    ExpectState(state, c.want);
    EXPECT_EQ(state.joystickPresent, 1);
  }
}

TEST(DefaultReader, KeyboardFillsOnlyWhatTheJoystickLeftOpen) {
  struct Case {
    platform::JoystickReading reading;
    std::set<int> keys;
    Expected want;
  };
  const Case cases[] = {
      {Stick(0, 32767), {vk::kRight, 'X'}, {kLeft, 4, 0b0010}},
      {Stick(32767, 32767, 1), {vk::kRight, 'X'}, {kRight, 6, 0b0001}},
      {Stick(32767, 65535, 2), {vk::kUp, 'Z'}, {kDown, 8, 0b0010}},
  };
  for (const Case& c : cases) {
    FakeDevices devices;
    devices.joysticks[0] = c.reading;
    devices.keys = c.keys;
    InputState state;
    ReadDefaultInput(state, devices);
    ExpectState(state, c.want);
  }
}

TEST(DefaultReader, MissingJoystickIsTriedEvery120Frames) {
  FakeDevices devices;
  devices.keys = {vk::kLeft};
  InputState state;
  for (int frame = 1; frame <= 242; ++frame) {
    ReadDefaultInput(state, devices);
    ExpectState(state, {kLeft, 4, 0});  // the keyboard drives meanwhile
  }
  EXPECT_EQ(devices.joystickReads[0], 2);  // frames 1 and 122
  EXPECT_EQ(state.joystickPresent, 0);

  // Plugged in now: found at the next attempt, frame 243.
  devices.joysticks[0] = Stick(65535, 32767);
  ReadDefaultInput(state, devices);
  EXPECT_EQ(devices.joystickReads[0], 3);
  EXPECT_EQ(state.joystickPresent, 1);
  ExpectState(state, {kRight, 6, 0});
}

TEST(DefaultReader, UnpluggedJoystickLeavesNoStaleDirection) {
  FakeDevices devices;
  devices.joysticks[0] = Stick(0, 32767, 1);
  InputState state;
  ReadDefaultInput(state, devices);
  ExpectState(state, {kLeft, 4, 1});
  devices.joysticks.clear();
  ReadDefaultInput(state, devices);
  ExpectState(state, {0, 5, 0});
  ReadDefaultInput(state, devices);  // waiting to retry
  ExpectState(state, {0, 5, 0});
}

TEST(DefaultReader, FlagsChooseTheDevices) {
  FakeDevices devices;
  devices.joysticks[1] = Stick(0, 32767);
  devices.keys = {vk::kDown, 'Z'};

  InputState keyboardOnly;
  ReadDefaultInput(keyboardOnly, devices, 1, kReadKeyboard);
  ExpectState(keyboardOnly, {kDown, 8, 1});
  EXPECT_EQ(devices.joystickReads[1], 0);

  InputState joystickOnly;
  ReadDefaultInput(joystickOnly, devices, 1, kReadJoystick);
  ExpectState(joystickOnly, {kLeft, 4, 0});
}

KeyAssignment Assign(std::initializer_list<KeyEntry> entries, int32_t count, int32_t joysticks) {
  KeyAssignment keys = DefaultKeyAssignment();
  int i = 0;
  for (const KeyEntry& e : entries) keys.entries[i++] = e;
  keys.entryCount = count;
  keys.joystickCount = joysticks;
  keys.customInUse = 1;
  return keys;
}

TEST(CustomReader, OppositeDirectionsGiveTheFirstOnly) {
  struct Case {
    std::set<int> keys;
    Expected want;
  };
  const Case cases[] = {
      {{vk::kLeft, vk::kRight}, {kLeft, 4, 0}},
      {{vk::kUp, vk::kDown}, {kUp, 2, 0}},
      {{vk::kRight, vk::kDown, 'C'}, {kRight | kDown, 9, 0b0100}},
      {{'Z', 'X', 'C', 'V'}, {0, 5, 0b1111}},
  };
  for (const Case& c : cases) {
    FakeDevices devices;
    devices.keys = c.keys;
    InputState state;
    ReadCustomInput(state, devices, DefaultKeyAssignment());
    ExpectState(state, c.want);
  }
}

TEST(CustomReader, JoystickEntriesMatchStickAndButtons) {
  // Left on the stick, right on button 2, button 1 on joystick button 1 and
  // button 2 on the keyboard's space bar.
  const KeyAssignment keys =
      Assign({{0, kStickLeft, 0}, {0, 2, 0}, {0, kStickUp, 0}, {0, kStickDown, 0},
              {0, 1, 0}, {kKeyboardDevice, vk::kSpace, 0}},
             6, 1);
  struct Case {
    platform::JoystickReading reading;
    std::set<int> keys;
    Expected want;
  };
  const Case cases[] = {
      {Stick(10000, 32767), {}, {kLeft, 4, 0}},
      {Stick(32767, 32767, 1u << 8), {}, {kLeft, 4, 0}},  // button 9 meets code 256
      {Stick(32767, 32767, 0b10), {}, {kRight, 6, 0}},
      {Stick(32767, 55535, 0b1), {vk::kSpace}, {kDown, 8, 0b11}},
      {Stick(32767, 0), {vk::kRight}, {kUp, 2, 0}},
  };
  for (const Case& c : cases) {
    FakeDevices devices;
    devices.joysticks[0] = c.reading;
    devices.keys = c.keys;
    InputState state;
    ReadCustomInput(state, devices, keys);
    ExpectState(state, c.want);
  }
}

TEST(CustomReader, EachJoystickKeepsItsOwnRetry) {
  const KeyAssignment keys = Assign({{0, kStickLeft, 0}, {1, kStickRight, 0}}, 8, 2);
  FakeDevices devices;
  devices.joysticks[0] = Stick(0, 32767);
  InputState state;
  for (int frame = 1; frame <= 122; ++frame) ReadCustomInput(state, devices, keys);
  EXPECT_EQ(devices.joystickReads[0], 122);
  EXPECT_EQ(devices.joystickReads[1], 2);
  EXPECT_EQ(state.customJoysticks[0].present, 1);
  EXPECT_EQ(state.customJoysticks[1].present, 0);
  EXPECT_EQ(state.joystickPresent, 0);  // the default reader's joystick is untouched
  ExpectState(state, {kLeft, 4, 0});
}

TEST(CustomReader, AbsurdCountsAndDevicesStayInBounds) {
  FakeDevices devices;
  devices.keys = {vk::kLeft, 'Z', 'X', 'C', 'V', 0x141};
  for (int id = 0; id < 8; ++id) devices.joysticks[id] = Stick(0, 0, 0xFFFF);
  struct Case {
    int32_t entryCount;
    int32_t joystickCount;
    uint16_t buttons;
    int expectedPolls;
  };
  const Case cases[] = {
      {1000, 100, 0b1111, 8},
      {-1000, -5, 0, 0},
      {6, 1, 0b0011, 1},
      {8, 0, 0b1111, 0},
  };
  for (const Case& c : cases) {
    devices.joystickReads.clear();
    KeyAssignment keys = DefaultKeyAssignment();
    keys.entryCount = c.entryCount;
    keys.joystickCount = c.joystickCount;
    InputState state;
    ReadCustomInput(state, devices, keys);
    ExpectState(state, {kLeft, 4, c.buttons});
    EXPECT_EQ(static_cast<int>(devices.joystickReads.size()), c.expectedPolls);
  }

  // Devices that are neither the keyboard nor a pollable joystick, and key
  // codes beyond the virtual-key range, are never held.
  const KeyAssignment odd = Assign(
      {{9, vk::kLeft, 0}, {-1, kStickRight, 0}, {kKeyboardDevice, 0x141, 0}, {3, kStickDown, 0}},
      4, 2);
  InputState state;
  ReadCustomInput(state, devices, odd);
  ExpectState(state, {0, 5, 0});
}

TEST(FrameInput, CustomFlagChoosesTheReader) {
  KeyAssignment keys = Assign({{kKeyboardDevice, 'A', 0}}, 8, 0);
  FakeDevices devices;
  devices.keys = {'A'};
  InputState state;
  ReadFrameInput(state, devices, keys);
  ExpectState(state, {kLeft, 4, 0});

  keys.customInUse = 0;
  ReadFrameInput(state, devices, keys);
  ExpectState(state, {0, 5, 0});
  devices.keys = {vk::kLeft};
  ReadFrameInput(state, devices, keys);
  ExpectState(state, {kLeft, 4, 0});
}

}  // namespace
}  // namespace vh::input
