// Record.rec (progress and best results of the built-in worlds and hell
// stages) and the best-score side file of each user stage.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>

#include "stage/ConstructionConfig.h"
#include "stage/FileIo.h"
#include "stage/UserFileStatus.h"

namespace vh::stage {

struct RecordTable {
  int32_t bestScore[kMaxWorlds];      // 0: normal world n at index n - 1
  int32_t bestClearRate[kMaxWorlds];  // 400: hell stage n at index n - 1
  int32_t worldProgress;              // 800: worlds selectable
  int32_t hellProgress;               // 804: hell stages selectable
  int32_t worldCleared[kMaxWorlds];   // 808: 1 = cleared ("#" in the select list)
  int32_t hellCleared[kMaxWorlds];    // 1208

  friend bool operator==(const RecordTable&, const RecordTable&) = default;
};

static_assert(sizeof(RecordTable) == 1608);
static_assert(offsetof(RecordTable, bestClearRate) == 400 && offsetof(RecordTable, worldProgress) == 800 &&
              offsetof(RecordTable, hellProgress) == 804 && offsetof(RecordTable, worldCleared) == 808 &&
              offsetof(RecordTable, hellCleared) == 1208);

RecordTable EmptyRecordTable();

// Progress beyond the 100 entries makes the file damaged.
bool ParseRecordTable(std::span<const uint8_t> bytes, RecordTable& out);
// Fills table with the file, or zeros when it is missing or damaged.
UserFileStatus ReadRecordTable(const std::filesystem::path& path, RecordTable& table);
SaveResult WriteRecordTable(const std::filesystem::path& path, const RecordTable& table,
                            const WriteOptions& options = {});

// Record updates; each returns whether the table changed (the caller then
// writes the file). Numbers outside 1..100 change nothing.
bool FinishNormalWorld(RecordTable& table, int world, const ConstructionConfig& config);
bool FinishHellStage(RecordTable& table, int stage, const ConstructionConfig& config);
bool RecordWorldScore(RecordTable& table, int world, int32_t score);
bool RecordHellClearRate(RecordTable& table, int stage, int32_t clearRate);
// With the all-open switches of the construction file, progress is the count.
void ApplyOpenAllSwitches(RecordTable& table, const ConstructionConfig& config);

// The side file of a user stage: its path with the extension replaced by "erc".
std::filesystem::path ClearMarkPath(const std::filesystem::path& stagePath);
bool ParseClearMark(std::span<const uint8_t> bytes, int32_t& bestScore);
// The stored best score, 0 when the file is missing or damaged.
int32_t ReadClearMark(const std::filesystem::path& stagePath);
// Stores score when it is not below the stored one; ok with nothing written
// otherwise.
SaveResult UpdateClearMark(const std::filesystem::path& stagePath, int32_t score,
                           const WriteOptions& options = {});

}  // namespace vh::stage
