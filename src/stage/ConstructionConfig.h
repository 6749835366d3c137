// Construction.cnst3p: which title entries exist, how many worlds, hell
// stages and lives, music and the frame-rate target. Only ever read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>

#include "stage/UserFileStatus.h"

namespace vh::stage {

struct ConstructionConfig {
  int32_t musicEnabled;          // 0: not 0 starts the MIDI player
  int32_t normalWorldsEntry;     // 4: title entries available (0/1)
  int32_t hellStagesEntry;       // 8
  int32_t userStagesEntry;       // 12
  int32_t worldCount;            // 16
  int32_t hellCount;             // 20
  int32_t livesNormal;           // 24
  int32_t livesHell;             // 28
  int32_t livesUser;             // 32
  int32_t hideStageWhilePaused;  // 36
  int32_t openAllWorlds;         // 40: progress replaced by worldCount at start-up
  int32_t openAllHellStages;     // 44
  int32_t fixedFrameRate;        // 48: frameRate is the target when not 0, else 60
  int32_t frameRate;             // 52: a stored 0 reads as 60
  uint8_t reserved[44];          // 56

  friend bool operator==(const ConstructionConfig&, const ConstructionConfig&) = default;
};

static_assert(sizeof(ConstructionConfig) == 100);
static_assert(offsetof(ConstructionConfig, worldCount) == 16 && offsetof(ConstructionConfig, livesUser) == 32 &&
              offsetof(ConstructionConfig, fixedFrameRate) == 48 && offsetof(ConstructionConfig, frameRate) == 52 &&
              offsetof(ConstructionConfig, reserved) == 56);

// Worlds and hell stages index the 100-entry tables of Record.rec.
inline constexpr int kMaxWorlds = 100;

ConstructionConfig DefaultConstructionConfig();

// The frames per second play runs at: 60 unless the fixed rate is switched on.
int FrameRateTarget(const ConstructionConfig& config);

// Parses a file image (version, then the record; anything after it is not
// read). Counts beyond the record
// tables or a frame rate below 1 make the file damaged.
bool ParseConstructionConfig(std::span<const uint8_t> bytes, ConstructionConfig& out);

// Fills config with the file, or with the defaults when it is missing or damaged.
UserFileStatus ReadConstructionConfig(const std::filesystem::path& path, ConstructionConfig& config);

}  // namespace vh::stage
