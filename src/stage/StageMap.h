// The grid of map cells of a stage (also used for the editor's undo map).
//
// Each cell is logically a whole CellRecord: a block, a character and an item
// with its message. Storing 808 bytes per cell would make a 512 x 512 grid
// over 200 MB, so only the 16-byte blocks are dense; characters and items live
// in pools and a cell refers to its own pool slot. A cell without a stored
// character or item reads as an all-zero record. Cells are addressed by index
// x + (y << Shift()), so scanning indices in order is the row order (rows from
// the top, cells from the left) that files and the game rely on.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "stage/Definitions.h"

namespace vh::stage {

class StageMap {
 public:
  // Sizes the grid to widthChips x heightChips all-zero cells. The width must
  // be a power of two (or both sizes 0 for an empty grid).
  void Reset(int widthChips, int heightChips);
  void Release() { Reset(0, 0); }
  void ZeroAll();

  int Width() const { return width_; }
  int Height() const { return height_; }
  int Shift() const { return shift_; }
  int CellCount() const { return width_ * height_; }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  int IndexOf(int x, int y) const { return x + (y << shift_); }
  int ColumnOf(int index) const { return index & (width_ - 1); }
  int RowOf(int index) const { return index >> shift_; }

  // Any index outside the grid uses cell 0 instead (and is counted).
  const BlockDef& Block(int index) const;
  BlockDef& Block(int index);

  const CharDef& Char(int index) const;
  bool HasChar(int index) const { return Char(index).graphic != 0; }
  CharDef& MutableChar(int index);
  void SetChar(int index, const CharDef& chara);
  void ClearChar(int index);

  const ItemDef& Item(int index) const;
  bool HasItem(int index) const { return Item(index).graphic != 0; }
  // The message bytes including their NUL; empty when the item has none.
  std::string_view Message(int index) const;
  // Fields other than messageLength may be changed through the reference.
  ItemDef& MutableItem(int index);
  void SetItem(int index, const ItemDef& item, std::string_view message);
  void SetMessage(int index, std::string_view message);
  void ClearItem(int index);

  // All blocks in index order (row order), for whole-grid copies.
  std::span<BlockDef> Blocks() { return blocks_; }
  std::span<const BlockDef> Blocks() const { return blocks_; }

  // Room for this many stored characters / items, so a reader that knows its
  // counts does not grow the pools step by step.
  void ReserveCharacters(std::size_t count) { charPool_.reserve(count); }
  void ReserveItems(std::size_t count) { itemPool_.reserve(count); }

  CellRecord Cell(int index) const;
  void ClearCell(int index);

  // Changes the width, keeping every kept cell's column and row; cells right
  // of a smaller width are dropped, cells of a larger width start empty.
  void ResizeWidth(int newWidth);
  // Changes the height, keeping the top rows.
  void ResizeHeight(int newHeight);

  // Visits every stored character / item record in row order:
  // f(index, const CharDef&) and f(index, const ItemDef&, std::string_view message).
  // A stored record may have graphic 0 (a cell can keep bytes without holding
  // an object); callers that want placed objects test the graphic.
  template <class F>
  void ForEachCharacter(F&& f) const {
    for (std::size_t i = 0; i < charSlots_.size(); ++i)
      if (charSlots_[i] != 0) f(static_cast<int>(i), charPool_[charSlots_[i] - 1]);
  }
  template <class F>
  void ForEachItem(F&& f) const {
    for (std::size_t i = 0; i < itemSlots_.size(); ++i)
      if (itemSlots_[i] != 0) {
        const ItemCell& cell = itemPool_[itemSlots_[i] - 1];
        f(static_cast<int>(i), cell.def, std::string_view(cell.message));
      }
  }

  // Bytes held by the grid, for the memory budget.
  std::size_t MemoryBytes() const;
  std::size_t OutOfRangeCount() const { return outOfRange_; }

  // Same size and same bytes in every cell (messages included).
  friend bool operator==(const StageMap& a, const StageMap& b);

 private:
  struct ItemCell {
    ItemDef def;
    std::string message;
  };

  int Checked(int index) const;
  uint32_t AllocChar();
  uint32_t AllocItem();
  void FreeChar(uint32_t slot);
  void FreeItem(uint32_t slot);

  int width_ = 0;
  int height_ = 0;
  int shift_ = 0;
  std::vector<BlockDef> blocks_;
  std::vector<uint32_t> charSlots_;  // 0 = none, else pool index + 1
  std::vector<uint32_t> itemSlots_;
  std::vector<CharDef> charPool_;
  std::vector<ItemCell> itemPool_;
  std::vector<uint32_t> freeChars_;
  std::vector<uint32_t> freeItems_;
  // Stand-ins for an index into an empty grid.
  BlockDef scratchBlock_{};
  CharDef scratchChar_{};
  ItemCell scratchItem_{};
  mutable std::size_t outOfRange_ = 0;
};

}  // namespace vh::stage
