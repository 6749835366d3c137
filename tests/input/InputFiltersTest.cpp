#include "input/InputFilters.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace vh::input {
namespace {

TEST(InputHistory, LooksBackOverRunsOfValues) {
  // Runs of different lengths, fewer distinct runs than the ring holds.
  std::vector<uint16_t> frames;
  for (uint16_t run = 0; run < 20; ++run) {
    for (int i = 0; i < 1 + run % 5; ++i) frames.push_back(static_cast<uint16_t>(run * 3 % 7));
  }
  InputState state;
  for (uint16_t value : frames) {
    state.buttons = value;
    state.directions = static_cast<uint16_t>(value ^ 0xF);
    UpdateInputHistory(state);
  }
  for (int n = 0; n < static_cast<int>(frames.size()); ++n) {
    const uint16_t want = frames[frames.size() - 1 - static_cast<size_t>(n)];
    EXPECT_EQ(InputHistoryAt(state, HistoryRing::Buttons, n), want) << "n=" << n;
    EXPECT_EQ(InputHistoryAt(state, HistoryRing::Directions, n), want ^ 0xF) << "n=" << n;
  }
}

TEST(InputHistory, PreviousFrameOfAHeldAndANewPress) {
  InputState state;
  auto frame = [&state](uint16_t buttons) {
    state.buttons = buttons;
    UpdateInputHistory(state);
  };
  for (int i = 0; i < 3; ++i) frame(0);
  for (int i = 0; i < 10; ++i) frame(1);
  EXPECT_EQ(InputHistoryAt(state, HistoryRing::Buttons, 1), 1);
  EXPECT_EQ(InputHistoryAt(state, HistoryRing::Buttons, 9), 1);
  EXPECT_EQ(InputHistoryAt(state, HistoryRing::Buttons, 10), 0);
  frame(3);
  EXPECT_EQ(InputHistoryAt(state, HistoryRing::Buttons, 0), 3);
  EXPECT_EQ(InputHistoryAt(state, HistoryRing::Buttons, 1), 1);
}

TEST(InputHistory, DurationStopsAtItsLargestValue) {
  InputState state;
  UpdateInputHistory(state);
  state.history[0][0].duration = std::numeric_limits<int32_t>::max() - 1;
  UpdateInputHistory(state);
  UpdateInputHistory(state);
  EXPECT_EQ(state.history[0][0].duration, std::numeric_limits<int32_t>::max());
  EXPECT_EQ(state.historyHead[0], 0);
}

TEST(ButtonEdges, PressPassesOnceUntilAllWatchedAreReleased) {
  struct Case {
    const char* what;
    uint16_t mask;
    std::vector<uint16_t> raw;
    std::vector<uint16_t> passed;
  };
  const Case cases[] = {
      {"held press", 0, {1, 1, 1, 0, 1}, {1, 0, 0, 0, 1}},
      {"two in one frame", 0, {0b11, 0b11, 0}, {0b11, 0, 0}},
      {"second while first held", 0, {1, 0b11, 0b11, 0b10, 0, 0b10}, {1, 0, 0, 0, 0, 0b10}},
      {"unwatched bits pass", 0x10, {0x11, 0x11, 0x01, 0x11}, {0x11, 0x01, 0x01, 0x11}},
      {"button 5 outside default mask", 0, {0x10, 0x11, 0x11}, {0x10, 0x11, 0x10}},
  };
  for (const Case& c : cases) {
    InputState state;
    for (size_t i = 0; i < c.raw.size(); ++i) {
      state.buttons = c.raw[i];
      FilterButtonEdges(state, c.mask);
      EXPECT_EQ(state.buttons, c.passed[i]) << c.what << " frame " << i;
    }
  }
}

std::vector<int> PassingFrames(const std::vector<uint16_t>& raw, uint16_t axis) {
  InputState state;
  std::vector<int> passed;
  for (size_t i = 0; i < raw.size(); ++i) {
    state.directions = raw[i];
    RepeatDirections(state);
    if (state.directions & axis) passed.push_back(static_cast<int>(i));
  }
  return passed;
}

TEST(KeyRepeat, HeldDirectionRepeatsAfter24FramesEvery8) {
  const std::vector<uint16_t> heldRight(50, kRight);
  EXPECT_EQ(PassingFrames(heldRight, kHorizontal), (std::vector<int>{0, 24, 32, 40, 48}));
}

TEST(KeyRepeat, AxesCountSeparatelyAndChangesRestart) {
  // Right held throughout; up joins at frame 10; frame 30 turns right into left.
  std::vector<uint16_t> raw(45, kRight);
  for (size_t i = 10; i < raw.size(); ++i) raw[i] |= kUp;
  for (size_t i = 30; i < raw.size(); ++i) raw[i] = static_cast<uint16_t>((raw[i] & ~kRight) | kLeft);
  EXPECT_EQ(PassingFrames(raw, kHorizontal), (std::vector<int>{0, 24, 30}));
  EXPECT_EQ(PassingFrames(raw, kVertical), (std::vector<int>{10, 34, 42}));
}

TEST(KeyRepeat, TrailKeepsTheUnfilteredReadings) {
  InputState state;
  for (uint16_t d : {kLeft, kLeft, kDown}) {
    state.directions = d;
    RepeatDirections(state);
  }
  EXPECT_EQ(state.directionTrail, 0x118);
  EXPECT_EQ(state.directions, kDown);
}

TEST(DirectionCode, FromBitsAndCleared) {
  struct Case {
    uint16_t directions;
    int32_t code;
  };
  const Case cases[] = {
      {0, 5},          {kLeft, 4},           {kRight, 6},          {kUp, 2},
      {kDown, 8},      {kUp | kLeft, 1},     {kUp | kRight, 3},    {kDown | kLeft, 7},
      {kDown | kRight, 9}, {kLeft | kRight, 5}, {kUp | kDown | kRight, 6},
  };
  for (const Case& c : cases) {
    InputState state;
    state.directions = c.directions;
    EXPECT_EQ(DirectionCodeOf(state), c.code) << c.directions;
  }

  InputState state;
  state.directions = kUp;
  state.directionCode = 2;
  state.buttons = 7;
  ClearDirections(state);
  EXPECT_EQ(state.directions, 0);
  EXPECT_EQ(state.directionCode, 5);
  EXPECT_EQ(state.buttons, 7);
  ClearButtons(state);
  EXPECT_EQ(state.buttons, 0);
}

}  // namespace
}  // namespace vh::input
