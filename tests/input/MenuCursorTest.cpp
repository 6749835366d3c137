#include "input/MenuCursor.h"

#include <gtest/gtest.h>

#include <vector>

namespace vh::input {
namespace {

InputState Pressing(uint16_t directions) {
  InputState state;
  state.directions = directions;
  return state;
}

TEST(MenuCursorGrid, MovesAndWrapsBothWays) {
  struct Case {
    int32_t column, row;
    uint16_t directions;
    int32_t wantColumn, wantRow;
  };
  // 3 columns (0..2) x 4 rows (0..3), cells of 100 x 32 from (10, 20).
  const Case cases[] = {
      {1, 1, 0, 1, 1},
      {1, 1, kLeft, 0, 1},
      {0, 1, kLeft, 2, 1},
      {2, 1, kRight, 0, 1},
      {1, 0, kUp, 1, 3},
      {1, 3, kDown, 1, 0},
      {1, 1, kLeft | kRight, 0, 1},
      {1, 1, kUp | kDown | kRight, 2, 0},
      {7, -4, 0, 0, 3},  // out of range on entry
  };
  for (const Case& c : cases) {
    MenuCursor cursor;
    cursor.column = c.column;
    cursor.row = c.row;
    MoveMenuCursor(Pressing(c.directions), cursor, 100, 32, 10, 20, 2, 3);
    EXPECT_EQ(cursor.column, c.wantColumn);
    EXPECT_EQ(cursor.row, c.wantRow);
    EXPECT_EQ(cursor.x, 10 + 100 * c.wantColumn);
    EXPECT_EQ(cursor.y, 20 + 32 * c.wantRow);
  }
}

TEST(MenuCursorGrid, EmptyMenuLeavesTheCursor) {
  MenuCursor cursor{1, 2, 3, 4, {}};
  MoveMenuCursor(Pressing(kDown), cursor, 10, 10, 0, 0, -1, 5);
  MoveMenuCursor(Pressing(kRight), cursor, 10, 10, 0, 0, 5, -1);
  EXPECT_EQ(cursor.column, 1);
  EXPECT_EQ(cursor.row, 2);
  EXPECT_EQ(cursor.x, 3);
  EXPECT_EQ(cursor.y, 4);
}

TEST(MenuCursorGrid, SaveAndRestore) {
  MenuCursor cursor{1, 2, 3, 4, {}};
  cursor.Save();
  cursor = {0, 0, 0, 0, cursor.saved};
  cursor.Restore();
  EXPECT_EQ(cursor.column, 1);
  EXPECT_EQ(cursor.row, 2);
  EXPECT_EQ(cursor.x, 3);
  EXPECT_EQ(cursor.y, 4);
}

struct ListStep {
  uint16_t directions;
  int32_t wantIndex;
  int32_t wantTop;
};

// Drives the cursor's own row through a list and checks every step.
void RunList(int32_t total, int32_t visible, bool paging, int32_t index, int32_t top,
             const std::vector<ListStep>& steps) {
  MenuCursor cursor;
  cursor.row = index;
  for (size_t i = 0; i < steps.size(); ++i) {
    MoveListCursor(Pressing(steps[i].directions), cursor, cursor.row, top, 32, 128, 40, visible,
                   total, paging);
    EXPECT_EQ(cursor.row, steps[i].wantIndex) << "step " << i;
    EXPECT_EQ(top, steps[i].wantTop) << "step " << i;
    EXPECT_EQ(cursor.y, 128 + 32 * (cursor.row - top)) << "step " << i;
    EXPECT_EQ(cursor.x, 40);
  }
}

TEST(ListCursor, PagesThroughTwentyFiveRows) {
  RunList(25, 10, true, 0, 0,
          {{kRight, 9, 9}, {kRight, 18, 15}, {kRight, 24, 15}, {kRight, 24, 15},
           {kLeft, 15, 6}, {kLeft, 6, 0}, {kLeft, 0, 0}});
}

TEST(ListCursor, ScrollsAtTheWindowEdges) {
  RunList(25, 10, true, 8, 0,
          {{kDown, 9, 0}, {kDown, 10, 1}, {kUp, 9, 1}, {kUp, 8, 1}, {0, 8, 1}});
  RunList(25, 10, false, 1, 1, {{kUp, 0, 0}, {kUp, 0, 0}, {kRight, 0, 0}});
  RunList(25, 10, false, 24, 15, {{kDown, 24, 15}});
}

TEST(ListCursor, ShortAndEmptyLists) {
  RunList(3, 10, true, 0, 0, {{kRight, 2, 0}, {kDown, 2, 0}, {kLeft, 0, 0}, {kUp, 0, 0}});
  RunList(0, 10, true, 0, 0, {{kDown, 0, 0}, {kRight, 0, 0}});
}

TEST(ListCursor, ForeignIndexLeavesTheCursorWhereItIs) {
  MenuCursor cursor{0, 0, 5, 6, {}};
  int32_t index = 3;
  int32_t top = 0;
  MoveListCursor(Pressing(kDown), cursor, index, top, 32, 128, 40, 10, 25, false);
  EXPECT_EQ(index, 4);
  EXPECT_EQ(cursor.x, 5);
  EXPECT_EQ(cursor.y, 6);
}

TEST(CursorSound, OncePerAskedAxisThatMoved) {
  struct Case {
    uint16_t directions;
    int axes;
    int plays;
  };
  const Case cases[] = {
      {0, 3, 0},
      {kLeft, kCursorSoundHorizontal, 1},
      {kLeft, kCursorSoundVertical, 0},
      {kDown, kCursorSoundVertical, 1},
      {kRight | kUp, kCursorSoundHorizontal | kCursorSoundVertical, 2},
      {kRight | kUp, kCursorSoundVertical, 1},
  };
  for (const Case& c : cases) {
    std::vector<int> played;
    PlayCursorSound(Pressing(c.directions), c.axes, 0, [&](int id) { played.push_back(id); });
    EXPECT_EQ(played, std::vector<int>(static_cast<size_t>(c.plays), 0));
  }
}

}  // namespace
}  // namespace vh::input
