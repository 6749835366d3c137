// The palette: 65 definitions of a block, a character and an item each, and the
// three tables of picture names. Placing copies a definition into a map cell.
#pragma once

#include <array>
#include <bitset>
#include <string>
#include <string_view>

#include "stage/Definitions.h"

namespace vh::stage {

class StageMap;

inline constexpr int kPaletteEntryCount = 65;
inline constexpr int kPlayerEntry = 1;
inline constexpr int kPictureCount = 51;  // pictures 1..51; entries above repeat the last

using NameTable = std::array<EntryName, kPaletteEntryCount>;

struct Palette {
  std::array<CellRecord, kPaletteEntryCount> entries{};
  // The item message of each entry: its bytes including the NUL, empty for
  // none. entries[i].item.messageLength equals messages[i].size().
  std::array<std::string, kPaletteEntryCount> messages;
  // Names belong to pictures: the name of a definition is at index `graphic`.
  NameTable blockNames{};
  NameTable charNames{};
  NameTable itemNames{};

  friend bool operator==(const Palette&, const Palette&) = default;
};

// Replaces an entry's message (bytes including the NUL) and its length field.
void SetEntryMessage(Palette& palette, int entry, std::string_view message);

// Fills the parameters of one record with their defaults, in parameter order,
// each dependent parameter seeing the values stored before it.
void ApplyBlockDefaults(BlockDef& block);
void ApplyCharDefaults(CharDef& chara);  // uses chara.kind; includes the 12 actions
void ApplyItemDefaults(ItemDef& item);   // the message is left as it is

using ActionSlotSet = std::bitset<kActionSlotCount>;

// Every slot not in `present` gets the defaults of an action of its owner.
void ApplyActionDefaults(CharDef& chara, ActionSlotSet present);
void ApplyActionDefaults(ItemDef& item, ActionSlotSet present);

// Entries 1..64 (entry 0 stays empty). With placedOnly, character and item
// parts without a graphic are left alone.
void ApplyPaletteDefaults(Palette& palette, bool placedOnly);
// Every cell of a map, likewise.
void ApplyPaletteDefaults(StageMap& map, bool placedOnly);

// The palette used when no default palette file can be read: entry 1 the
// player, 2..64 enemies, every parameter at its default, entry i showing
// picture min(i, 51), names empty.
void BuildDefaultPalette(Palette& palette);

}  // namespace vh::stage
