// user_data/Boot.dat: the launch dialog's remembered choice.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>

namespace vh::app {

struct BootSettings {
  int32_t drawMode = 1;    // 1 = Direct3D, anything else = DirectDraw
  int32_t hideDialog = 0;  // non-zero: do not show the launch dialog
};

inline constexpr size_t kBootBytes = 8;

// Decodes the 8-byte little-endian image; any other length is refused.
std::optional<BootSettings> ParseBoot(std::span<const uint8_t> bytes);

// Fills `settings` from the file only when it is exactly 8 bytes long; a
// missing, short or long file leaves `settings` as it was and returns false.
bool ReadBoot(const std::filesystem::path& file, BootSettings& settings);

// Writes the 8 bytes through a temporary file renamed over `file`, so a failed
// write keeps the previous file. The folder must exist.
bool WriteBoot(const std::filesystem::path& file, const BootSettings& settings);

}  // namespace vh::app
