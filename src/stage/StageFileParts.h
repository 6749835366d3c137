// Pieces of the stage readers shared by the current and the older format.
#pragma once

#include <atomic>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "stage/ByteIo.h"
#include "stage/LoadResult.h"
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

// Reads a whole file of at most maxBytes and parses it, turning every way of
// failing into the result a loader hands back: CannotOpen, Damaged (with the
// parser's reason), Interrupted when cancel was set, OutOfMemory.
using ParseBytes = std::function<bool(std::span<const uint8_t> bytes, std::string& error)>;
LoadResult ReadAndParse(const std::filesystem::path& path, std::size_t maxBytes, const std::atomic<bool>* cancel,
                        const ParseBytes& parse);

}  // namespace vh::stage
