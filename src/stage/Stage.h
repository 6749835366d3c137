// The stage the game plays and the editor edits: its settings, its map and the
// editor's undo map, with the operations that keep them consistent.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "stage/Palette.h"
#include "stage/StageMap.h"
#include "stage/StageSettings.h"

namespace vh::stage {

struct Stage {
  StageSettings settings = NewStageSettings();
  StageMap map;
  StageMap undoMap;  // sized with the map only for the editor
};

struct ChipPosition {
  int x = 0;
  int y = 0;
  friend bool operator==(const ChipPosition&, const ChipPosition&) = default;
};

// Default settings, both grids 32 x 15 and the default map.
void NewStage(Stage& stage, const Palette& palette);
// Empties the map, lays a floor on the bottom row, walls in the first and last
// columns (palette entry 1's block) and the player start at (1, height - 2).
void ClearMapDefault(Stage& stage, const Palette& palette);
// Empties the map and puts the player start at (0, 0).
void ClearMap(Stage& stage, const Palette& palette);

// The last row holding a player start, and the first such cell in it; (0, 0)
// when there is none.
ChipPosition FindPlayerStart(const StageMap& map);

// Whether growing to newWidth x newHeight chips fits in the free memory.
bool CheckResizeMemory(const StageSettings& settings, int newWidth, int newHeight, bool growing,
                       uint64_t freeMemoryBytes);

struct ResizeResult {
  bool ok = true;
  std::string message;  // UTF-8, for a message box when !ok
};

// Change the size in place. A player start that falls outside moves to
// (0, 0); scroll limits are only ever lowered to fit. Growing is refused, with
// the stage unchanged, when the free memory does not suffice.
ResizeResult ResizeStageWidth(Stage& stage, const Palette& palette, int newWidth,
                              uint64_t freeMemoryBytes);
ResizeResult ResizeStageHeight(Stage& stage, const Palette& palette, int newHeight,
                               uint64_t freeMemoryBytes);

// Background pictures by backgroundIndex: the menu label (Shift-JIS) and the
// two file names tried in turn (UTF-8, relative to the data folder).
struct BackgroundPicture {
  std::string_view menuLabel;
  std::string_view fileName;
  std::string_view alternativeFileName;
};
BackgroundPicture BackgroundPictureOf(int backgroundIndex);

}  // namespace vh::stage
