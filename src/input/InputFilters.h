// Per-frame filters the scenes apply to InputState after it was read: the
// history rings, button press edges, menu key repeat and the clear helpers.
#pragma once

#include <cstdint>

#include "input/InputState.h"

namespace vh::input {

// Appends this frame's directions and buttons to their history rings.
void UpdateInputHistory(InputState& state);

// The value of `ring` `framesBack` frames ago (0 = this frame).
uint16_t InputHistoryAt(const InputState& state, HistoryRing ring, int framesBack);

// Lets a press of the watched buttons (`mask`, 0 = buttons 1..4) through in the
// frame it happens; then none of them passes until all were released.
void FilterButtonEdges(InputState& state, uint16_t mask = 0);

// Menu key repeat per axis: a held direction passes on its first frame, then
// 24, 32, 40, ... frames later.
void RepeatDirections(InputState& state);

void ClearDirections(InputState& state);
void ClearButtons(InputState& state);

// The numeric direction code of the direction bits; opposite directions
// cancel, as they do in the default reader.
int32_t DirectionCodeOf(const InputState& state);

}  // namespace vh::input
