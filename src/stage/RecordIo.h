// The character and item records shared by stage and palette files: the fixed
// part of the definition, then the present action slots (and for items the
// message). Readers check every count against the format and the bytes left.
#pragma once

#include <bitset>
#include <cstddef>
#include <string>
#include <string_view>

#include "stage/ByteIo.h"
#include "stage/Definitions.h"

namespace vh::stage {

// The action slots of a record: an int32 count, then per slot its int32
// number (0..11, each at most once) and slotBytes bytes read into slots[number].
template <class Slot>
bool ReadActionSlots(ByteReader& in, Slot (&slots)[kActionSlotCount], std::size_t slotBytes,
                     std::bitset<kActionSlotCount>& present) {
  int32_t count = 0;
  if (!in.I32(count, "an action count")) return false;
  if (count < 0 || count > kActionSlotCount)
    return in.Fail("action count " + std::to_string(count) + " is outside 0..12");
  for (int32_t i = 0; i < count; ++i) {
    int32_t slot = 0;
    if (!in.I32(slot, "an action slot number")) return false;
    if (slot < 0 || slot >= kActionSlotCount)
      return in.Fail("action slot number " + std::to_string(slot) + " is outside 0..11");
    if (present.test(static_cast<std::size_t>(slot)))
      return in.Fail("action slot " + std::to_string(slot) + " appears twice");
    if (!in.Bytes(&slots[slot], slotBytes, "an action")) return false;
    present.set(static_cast<std::size_t>(slot));
  }
  return true;
}

// Group numbers of files older than version 96 in today's numbering.
int ConvertOldGroup(int group);

// Reads into a zeroed record; absent slots get their defaults.
bool ReadCharRecord(ByteReader& in, CharDef& out, int fileVersion);
bool ReadItemRecord(ByteReader& in, ItemDef& out, std::string& message);

void WriteCharRecord(ByteWriter& out, const CharDef& chara);
void WriteItemRecord(ByteWriter& out, const ItemDef& item, std::string_view message);

}  // namespace vh::stage
