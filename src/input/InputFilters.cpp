#include "input/InputFilters.h"

#include <limits>

namespace vh::input {
namespace {

constexpr int32_t kMaxCount = std::numeric_limits<int32_t>::max();

void AppendToRing(InputState& state, int ring, uint16_t value) {
  auto& entries = state.history[ring];
  int32_t& head = state.historyHead[ring];
  head &= kHistoryLength - 1;
  HistoryEntry& newest = entries[head];
  if (newest.value == value) {
    if (newest.duration < kMaxCount) ++newest.duration;
    return;
  }
  head = (head + 1) % kHistoryLength;
  entries[head] = {value, 1};
}

// Applies the repeat rule to one axis; `previous` is last frame's reading.
void RepeatAxis(InputState& state, uint16_t axisBits, uint16_t previous, int32_t& counter) {
  if ((state.directions & axisBits) != (previous & axisBits)) {
    counter = 0;
    return;
  }
  if (counter < kMaxCount) ++counter;
  const bool repeatNow = counter >= 20 && counter % 8 == 0;
  if (!repeatNow) state.directions &= static_cast<uint16_t>(~axisBits);
}

}  // namespace

void UpdateInputHistory(InputState& state) {
  AppendToRing(state, static_cast<int>(HistoryRing::Directions), state.directions);
  AppendToRing(state, static_cast<int>(HistoryRing::Buttons), state.buttons);
}

uint16_t InputHistoryAt(const InputState& state, HistoryRing ring, int framesBack) {
  const int r = static_cast<int>(ring);
  const auto& entries = state.history[r];
  int k = state.historyHead[r] & (kHistoryLength - 1);
  int64_t remaining = int64_t{framesBack} + 1;
  for (int i = 0; i < kHistoryLength; ++i) {
    const int32_t duration = entries[k].duration;
    if (remaining > duration) {
      remaining -= duration;
      k = (k + kHistoryLength - 1) % kHistoryLength;
    }
  }
  return entries[k].value;
}

void FilterButtonEdges(InputState& state, uint16_t mask) {
  const uint16_t onEntry = state.buttons;
  const uint16_t watched = mask != 0 ? mask : uint16_t{0x000F};
  for (int i = 0; i < 16; ++i) {
    const uint16_t bit = static_cast<uint16_t>(1u << i);
    if (!(watched & bit)) continue;
    if (state.buttonLatch == 1) state.buttons &= static_cast<uint16_t>(~bit);
    if ((state.buttons & bit) && state.buttonLatch == 0) {
      // This press passes together with any other button of the same frame.
      state.buttonLatch = 1;
      return;
    }
  }
  if ((onEntry & watched) == 0) {
    state.buttonLatch = 0;
  } else {
    state.buttons &= static_cast<uint16_t>(~watched);
  }
}

void RepeatDirections(InputState& state) {
  const uint16_t previous = state.directionTrail & 0x000F;
  state.directionTrail = static_cast<uint16_t>(state.directionTrail << 4 | state.directions);
  RepeatAxis(state, kHorizontal, previous, state.repeatCountX);
  RepeatAxis(state, kVertical, previous, state.repeatCountY);
}

void ClearDirections(InputState& state) {
  state.directions = 0;
  state.directionCode = kNeutralCode;
}

void ClearButtons(InputState& state) { state.buttons = 0; }

int32_t DirectionCodeOf(const InputState& state) {
  int32_t code = kNeutralCode;
  if (state.directions & kLeft) code -= 1;
  if (state.directions & kRight) code += 1;
  if (state.directions & kUp) code -= 3;
  if (state.directions & kDown) code += 3;
  return code;
}

}  // namespace vh::input
