// Menu cursors moved by the filtered directions of InputState.
#pragma once

#include <cstdint>
#include <functional>

#include "input/InputState.h"

namespace vh::input {

struct CursorPosition {
  int32_t column = 0;
  int32_t row = 0;
  int32_t x = 0;  // screen position
  int32_t y = 0;
};

// The menus' cursor; one lives in the application's context and is shared by
// the menus. `saved` keeps a position while a dialog borrows the cursor.
struct MenuCursor {
  int32_t column = 0;
  int32_t row = 0;
  int32_t x = 0;
  int32_t y = 0;
  CursorPosition saved;

  void Save() { saved = {column, row, x, y}; }
  void Restore() {
    column = saved.column;
    row = saved.row;
    x = saved.x;
    y = saved.y;
  }
};

// A grid of columns 0..maxColumn and rows 0..maxRow with wrap-around; the
// screen position is origin + step x cell. Nothing happens while either
// maximum is negative (an empty menu).
void MoveMenuCursor(const InputState& state, MenuCursor& cursor, int32_t stepX, int32_t stepY,
                    int32_t originX, int32_t originY, int32_t maxColumn, int32_t maxRow);

// A scrolling vertical list of `totalRows` with `visibleRows` shown from row
// `top`: up/down move by one and scroll at the edges; with `paging`, right and
// left move by a page. No wrap-around. When `index` is the cursor's own row,
// the cursor's screen position follows it (y along the list, x fixed at
// `otherCoordinate`).
void MoveListCursor(const InputState& state, MenuCursor& cursor, int32_t& index, int32_t& top,
                    int32_t step, int32_t origin, int32_t otherCoordinate, int32_t visibleRows,
                    int32_t totalRows, bool paging);

inline constexpr int kCursorSoundHorizontal = 1;
inline constexpr int kCursorSoundVertical = 2;

// Plays a sound effect by id; the application connects it to the sound layer.
using SoundPlayer = std::function<void(int soundId)>;

// Plays `soundId` once for each asked axis (`axes`) that has a direction set.
void PlayCursorSound(const InputState& state, int axes, int soundId, const SoundPlayer& play);

}  // namespace vh::input
