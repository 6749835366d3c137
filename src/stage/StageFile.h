// Stage and replay files: the version, the palette the stage was made with,
// the settings, the blocks of every cell, then the placed characters and
// items in row order, and for replays the input records.
#pragma once

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "stage/DataFolder.h"
#include "stage/FileIo.h"
#include "stage/LoadResult.h"
#include "stage/Palette.h"
#include "stage/Stage.h"

namespace vh::stage {

struct StageLoadRequest {
  std::filesystem::path path;
  bool forEditor = false;     // also size the undo map
  DataFolder data;            // for converting older files (the editor's default palette)
};

// A stage read from a file, before it replaces the current one.
struct LoadedStage {
  Stage stage;
  Palette palette;
  std::optional<std::vector<int32_t>> inputLog;  // the replay tail; none for plain stage files
  int fileVersion = 0;
  bool olderFormat = false;
};

// Whether the file name's extension marks the older generation.
bool IsOlderStageFile(const std::filesystem::path& path);

// Parses a current-format stage or replay file image. On failure returns false
// with the reason in error; out is then unspecified. cancel, when set, ends
// the parse early (as a failure).
bool ParseStageImage(std::span<const uint8_t> bytes, bool forEditor, LoadedStage& out, std::string& error,
                     const std::atomic<bool>* cancel = nullptr);

// Reads any stage or replay file (older ones converted) into out. Nothing
// outside out is changed.
LoadResult LoadStageFile(const StageLoadRequest& request, LoadedStage& out,
                         const std::atomic<bool>* cancel = nullptr);

// Moves a loaded stage into the current data: settings, map and palette; the
// undo map only for the editor; the input log only when one is given.
void ApplyLoadedStage(LoadedStage&& loaded, bool forEditor, Stage& stage, Palette& palette,
                      std::vector<int32_t>* inputLog);

std::vector<uint8_t> SerializeStage(const Stage& stage, const Palette& palette,
                                    const std::vector<int32_t>* inputLog);
SaveResult SaveStageFile(const std::filesystem::path& path, const Stage& stage, const Palette& palette,
                         const std::vector<int32_t>* inputLog = nullptr, const WriteOptions& options = {});

// Largest stage or replay file a reader accepts.
inline constexpr std::size_t kMaxStageFileBytes = std::size_t{1} << 30;

}  // namespace vh::stage
