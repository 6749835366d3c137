// Pieces of the stage readers shared by the current and the older format.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "stage/ByteIo.h"
#include "stage/StageSettings.h"

namespace vh::stage {

// A fixed text field without any NUL gets one in its last byte; fields that
// are already terminated keep every byte.
void TerminateText(char* text, std::size_t size);

// Refuses settings whose size, shift or physics values would make the map or
// the game misbehave (and terminates bgmPath).
bool CheckStageSettings(ByteReader& in, StageSettings& settings);

// The values after the map of a stage file: nothing, or a replay record count
// and exactly that many records.
bool ReadInputLogTail(ByteReader& in, std::optional<std::vector<int32_t>>& log);

}  // namespace vh::stage
