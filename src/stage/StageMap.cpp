#include "stage/StageMap.h"

#include <algorithm>
#include <cstring>

#include "stage/StageSettings.h"

namespace vh::stage {

namespace {

constexpr CharDef kNoChar{};
constexpr ItemDef kNoItem{};

template <class T>
bool IsAllZero(const T& record) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(&record);
  return std::all_of(bytes, bytes + sizeof(T), [](unsigned char b) { return b == 0; });
}

}  // namespace

void StageMap::Reset(int widthChips, int heightChips) {
  if (widthChips <= 0 || heightChips <= 0) widthChips = heightChips = 0;
  width_ = widthChips;
  height_ = heightChips;
  shift_ = width_ > 0 ? ShiftOfWidth(width_) : 0;
  const auto count = static_cast<std::size_t>(CellCount());
  blocks_.assign(count, BlockDef{});
  charSlots_.assign(count, 0);
  itemSlots_.assign(count, 0);
  charPool_.clear();
  itemPool_.clear();
  freeChars_.clear();
  freeItems_.clear();
  blocks_.shrink_to_fit();
  charSlots_.shrink_to_fit();
  itemSlots_.shrink_to_fit();
  charPool_.shrink_to_fit();
  itemPool_.shrink_to_fit();
}

void StageMap::ZeroAll() { Reset(width_, height_); }

int StageMap::Checked(int index) const {
  if (index >= 0 && index < CellCount()) return index;
  ++outOfRange_;
  return 0;
}

const BlockDef& StageMap::Block(int index) const {
  if (blocks_.empty()) return scratchBlock_;
  return blocks_[Checked(index)];
}

BlockDef& StageMap::Block(int index) {
  if (blocks_.empty()) return scratchBlock_ = BlockDef{};
  return blocks_[Checked(index)];
}

const CharDef& StageMap::Char(int index) const {
  if (charSlots_.empty()) return kNoChar;
  const uint32_t slot = charSlots_[Checked(index)];
  return slot == 0 ? kNoChar : charPool_[slot - 1];
}

uint32_t StageMap::AllocChar() {
  if (!freeChars_.empty()) {
    const uint32_t slot = freeChars_.back();
    freeChars_.pop_back();
    charPool_[slot - 1] = CharDef{};
    return slot;
  }
  charPool_.push_back(CharDef{});
  return static_cast<uint32_t>(charPool_.size());
}

void StageMap::FreeChar(uint32_t slot) { freeChars_.push_back(slot); }

CharDef& StageMap::MutableChar(int index) {
  if (charSlots_.empty()) return scratchChar_ = CharDef{};
  uint32_t& slot = charSlots_[Checked(index)];
  if (slot == 0) slot = AllocChar();
  return charPool_[slot - 1];
}

void StageMap::SetChar(int index, const CharDef& chara) {
  if (IsAllZero(chara)) {
    ClearChar(index);
    return;
  }
  MutableChar(index) = chara;
}

void StageMap::ClearChar(int index) {
  if (charSlots_.empty()) return;
  uint32_t& slot = charSlots_[Checked(index)];
  if (slot != 0) FreeChar(slot);
  slot = 0;
}

const ItemDef& StageMap::Item(int index) const {
  if (itemSlots_.empty()) return kNoItem;
  const uint32_t slot = itemSlots_[Checked(index)];
  return slot == 0 ? kNoItem : itemPool_[slot - 1].def;
}

std::string_view StageMap::Message(int index) const {
  if (itemSlots_.empty()) return {};
  const uint32_t slot = itemSlots_[Checked(index)];
  return slot == 0 ? std::string_view() : std::string_view(itemPool_[slot - 1].message);
}

uint32_t StageMap::AllocItem() {
  if (!freeItems_.empty()) {
    const uint32_t slot = freeItems_.back();
    freeItems_.pop_back();
    itemPool_[slot - 1] = ItemCell{};
    return slot;
  }
  itemPool_.push_back(ItemCell{});
  return static_cast<uint32_t>(itemPool_.size());
}

void StageMap::FreeItem(uint32_t slot) {
  itemPool_[slot - 1].message = std::string();
  freeItems_.push_back(slot);
}

ItemDef& StageMap::MutableItem(int index) {
  if (itemSlots_.empty()) return scratchItem_.def = ItemDef{};
  uint32_t& slot = itemSlots_[Checked(index)];
  if (slot == 0) slot = AllocItem();
  return itemPool_[slot - 1].def;
}

void StageMap::SetItem(int index, const ItemDef& item, std::string_view message) {
  ItemDef copy = item;
  copy.messageLength = static_cast<int32_t>(message.size());
  copy.messageText = 0;
  if (message.empty() && IsAllZero(copy)) {
    ClearItem(index);
    return;
  }
  if (itemSlots_.empty()) return;
  uint32_t& slot = itemSlots_[Checked(index)];
  if (slot == 0) slot = AllocItem();
  ItemCell& cell = itemPool_[slot - 1];
  cell.def = copy;
  cell.message.assign(message);
}

void StageMap::SetMessage(int index, std::string_view message) {
  if (itemSlots_.empty()) return;
  uint32_t& slot = itemSlots_[Checked(index)];
  if (slot == 0) slot = AllocItem();
  ItemCell& cell = itemPool_[slot - 1];
  cell.def.messageLength = static_cast<int32_t>(message.size());
  cell.message.assign(message);
}

void StageMap::ClearItem(int index) {
  if (itemSlots_.empty()) return;
  uint32_t& slot = itemSlots_[Checked(index)];
  if (slot != 0) FreeItem(slot);
  slot = 0;
}

CellRecord StageMap::Cell(int index) const {
  CellRecord cell;
  cell.block = Block(index);
  cell.chara = Char(index);
  cell.item = Item(index);
  return cell;
}

void StageMap::ClearCell(int index) {
  Block(index) = BlockDef{};
  ClearChar(index);
  ClearItem(index);
}

void StageMap::ResizeWidth(int newWidth) {
  if (newWidth == width_ || height_ == 0) {
    if (height_ == 0) Reset(newWidth, 0);
    return;
  }
  const int newShift = ShiftOfWidth(newWidth);
  const auto newCount = static_cast<std::size_t>(newWidth) * height_;
  std::vector<BlockDef> blocks(newCount, BlockDef{});
  std::vector<uint32_t> charSlots(newCount, 0);
  std::vector<uint32_t> itemSlots(newCount, 0);
  const int kept = std::min(width_, newWidth);
  for (int y = 0; y < height_; ++y) {
    const std::size_t from = static_cast<std::size_t>(y) << shift_;
    const std::size_t to = static_cast<std::size_t>(y) << newShift;
    std::memcpy(&blocks[to], &blocks_[from], sizeof(BlockDef) * kept);
    std::copy_n(&charSlots_[from], kept, &charSlots[to]);
    std::copy_n(&itemSlots_[from], kept, &itemSlots[to]);
    for (int x = kept; x < width_; ++x) {
      if (charSlots_[from + x] != 0) FreeChar(charSlots_[from + x]);
      if (itemSlots_[from + x] != 0) FreeItem(itemSlots_[from + x]);
    }
  }
  blocks_ = std::move(blocks);
  charSlots_ = std::move(charSlots);
  itemSlots_ = std::move(itemSlots);
  width_ = newWidth;
  shift_ = newShift;
}

void StageMap::ResizeHeight(int newHeight) {
  if (newHeight == height_ || width_ == 0) return;
  const auto newCount = static_cast<std::size_t>(width_) * newHeight;
  for (std::size_t i = newCount; i < charSlots_.size(); ++i) {
    if (charSlots_[i] != 0) FreeChar(charSlots_[i]);
    if (itemSlots_[i] != 0) FreeItem(itemSlots_[i]);
  }
  blocks_.resize(newCount, BlockDef{});
  charSlots_.resize(newCount, 0);
  itemSlots_.resize(newCount, 0);
  blocks_.shrink_to_fit();
  charSlots_.shrink_to_fit();
  itemSlots_.shrink_to_fit();
  height_ = newHeight;
}

std::size_t StageMap::MemoryBytes() const {
  std::size_t bytes = sizeof(*this);
  bytes += blocks_.capacity() * sizeof(BlockDef);
  bytes += (charSlots_.capacity() + itemSlots_.capacity()) * sizeof(uint32_t);
  bytes += (freeChars_.capacity() + freeItems_.capacity()) * sizeof(uint32_t);
  bytes += charPool_.capacity() * sizeof(CharDef);
  bytes += itemPool_.capacity() * sizeof(ItemCell);
  for (const ItemCell& cell : itemPool_)
    if (cell.message.capacity() > 15) bytes += cell.message.capacity() + 1;
  return bytes;
}

bool operator==(const StageMap& a, const StageMap& b) {
  if (a.width_ != b.width_ || a.height_ != b.height_) return false;
  if (a.blocks_ != b.blocks_) return false;
  for (int i = 0; i < a.CellCount(); ++i) {
    if (!(a.Char(i) == b.Char(i)) || !(a.Item(i) == b.Item(i)) || a.Message(i) != b.Message(i))
      return false;
  }
  return true;
}

}  // namespace vh::stage
