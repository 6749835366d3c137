// The version text that opens the stage, replay and palette files and the
// small user files, and the file extensions built from it.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace vh::stage {

inline constexpr std::string_view kFileVersionText = "432";  // written with its NUL: 4 bytes
inline constexpr int kFileVersionNumber = 432;
inline constexpr std::size_t kFileVersionBytes = 4;
inline constexpr char kFileVersionImage[kFileVersionBytes] = {'4', '3', '2', '\0'};

inline constexpr std::string_view kStageExtension = "stg3p432";
inline constexpr std::string_view kReplayExtension = "rpl3p432";
inline constexpr std::string_view kPaletteExtension = "plt3p";
inline constexpr std::string_view kOlderStagePrefix = "stg3_";
inline constexpr std::string_view kOlderReplayPrefix = "rpl3_";

// Files whose version is below this number number character groups the old way.
inline constexpr int kNewGroupNumberingVersion = 96;

// The decimal value of the version text (its leading digits; 0 when none).
inline int ParseFileVersion(std::span<const uint8_t> bytes) {
  int value = 0;
  for (uint8_t b : bytes) {
    if (b < '0' || b > '9') break;
    value = value * 10 + (b - '0');
  }
  return value;
}

}  // namespace vh::stage
