#include "input/MenuCursor.h"

#include <algorithm>

namespace vh::input {
namespace {

int32_t Wrap(int32_t value, int32_t max) {
  if (value < 0) return max;
  if (value > max) return 0;
  return value;
}

}  // namespace

void MoveMenuCursor(const InputState& state, MenuCursor& cursor, int32_t stepX, int32_t stepY,
                    int32_t originX, int32_t originY, int32_t maxColumn, int32_t maxRow) {
  if (maxColumn < 0 || maxRow < 0) return;
  if (state.directions & kLeft) {
    --cursor.column;
  } else if (state.directions & kRight) {
    ++cursor.column;
  }
  if (state.directions & kUp) {
    --cursor.row;
  } else if (state.directions & kDown) {
    ++cursor.row;
  }
  cursor.column = Wrap(cursor.column, maxColumn);
  cursor.row = Wrap(cursor.row, maxRow);
  cursor.x = originX + stepX * cursor.column;
  cursor.y = originY + stepY * cursor.row;
}

void MoveListCursor(const InputState& state, MenuCursor& cursor, int32_t& index, int32_t& top,
                    int32_t step, int32_t origin, int32_t otherCoordinate, int32_t visibleRows,
                    int32_t totalRows, bool paging) {
  const int32_t page = visibleRows - 1;
  if (state.directions & kUp) {
    if (index - top <= 0) --top;
    --index;
  }
  if (state.directions & kDown) {
    if (index - top >= page) ++top;
    ++index;
  }
  if (paging) {
    if (state.directions & kRight) {
      if (top == totalRows - visibleRows) {
        index = totalRows - 1;
      } else {
        top += page;
        index += page;
      }
    }
    if (state.directions & kLeft) {
      if (top > 0) {
        top -= page;
        index -= page;
      } else {
        index = 0;
      }
    }
  }
  index = std::max(std::min(index, totalRows - 1), 0);
  top = std::max(std::min(top, totalRows - visibleRows), 0);
  if (&index == &cursor.row) {
    cursor.y = origin + step * (index - top);
    cursor.x = otherCoordinate;
  }
}

void PlayCursorSound(const InputState& state, int axes, int soundId, const SoundPlayer& play) {
  if ((axes & kCursorSoundHorizontal) && (state.directions & kHorizontal)) play(soundId);
  if ((axes & kCursorSoundVertical) && (state.directions & kVertical)) play(soundId);
}

}  // namespace vh::input
