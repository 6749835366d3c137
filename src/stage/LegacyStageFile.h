// Stage and replay files of the older generation ("stg3_", "rpl3_"): smaller
// settings, a fixed 21 rows, shorter characters, items and actions. They are
// read into their own records and converted into a current stage over the
// editor's default palette; nothing writes them any more.
#pragma once

#include <atomic>
#include <cstdint>
#include <span>
#include <string>

#include "stage/LoadResult.h"
#include "stage/Palette.h"
#include "stage/StageFile.h"

namespace vh::stage {

inline constexpr int kOlderRows = 21;

struct OlderSettings {
  int32_t backgroundIndex;  // 0
  int32_t widthPixels;      // 4
  int32_t widthChips;       // 8
  int32_t widthShift;       // 12
  int32_t timeLimit;        // 16
  uint32_t initialFlags;    // 20
  int32_t autoScrollX;      // 24
  char bgmPath[260];        // 28
  int32_t frameRate;        // 288: a stored 0 reads as 60
  uint8_t unused[12];       // 292
};

static_assert(sizeof(OlderSettings) == 304);
static_assert(offsetof(OlderSettings, bgmPath) == 28 && offsetof(OlderSettings, frameRate) == 288 &&
              offsetof(OlderSettings, unused) == 292);

inline constexpr std::size_t kOlderActionBytes = 24;
inline constexpr std::size_t kOlderCharBytes = 21;
inline constexpr std::size_t kOlderItemBytes = 26;

// Parses an older file image and converts it. defaultPalette is the palette
// the editor starts with; the converted stage keeps its names.
bool ParseLegacyStageImage(std::span<const uint8_t> bytes, const Palette& defaultPalette, bool forEditor,
                           LoadedStage& out, std::string& error, const std::atomic<bool>* cancel = nullptr);

// Reads and converts an older file; the default palette comes from the
// editor's configuration in request.data, or is built.
LoadResult LoadLegacyStageFile(const StageLoadRequest& request, LoadedStage& out,
                               const std::atomic<bool>* cancel = nullptr);

}  // namespace vh::stage
