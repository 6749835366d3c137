#include "stage/RecordIo.h"

#include <cstring>

#include "stage/FileVersion.h"
#include "stage/Palette.h"

namespace vh::stage {

namespace {

void WriteActionSlots(ByteWriter& out, const ActionDef (&actions)[kActionSlotCount]) {
  int32_t count = 0;
  for (const ActionDef& action : actions) count += IsActionPresent(action) ? 1 : 0;
  out.I32(count);
  for (int32_t slot = 0; slot < kActionSlotCount; ++slot) {
    if (!IsActionPresent(actions[slot])) continue;
    out.I32(slot);
    out.Bytes(&actions[slot], sizeof(ActionDef));
  }
}

}  // namespace

int ConvertOldGroup(int group) {
  if (group == 0) return 0;
  if (group == 1) return 3;
  if (group >= 2 && group <= 32) return group + 4;
  if (group >= 33 && group <= 63) return group + 33;
  return 126;
}

bool ReadCharRecord(ByteReader& in, CharDef& out, int fileVersion) {
  out = CharDef{};
  if (!in.Bytes(&out, kCharFixedBytes, "a character")) return false;
  if (fileVersion < kNewGroupNumberingVersion) out.group = static_cast<int8_t>(ConvertOldGroup(out.group));
  ActionSlotSet present;
  if (!ReadActionSlots(in, out.actions, sizeof(ActionDef), present)) return false;
  ApplyActionDefaults(out, present);
  return true;
}

bool ReadItemRecord(ByteReader& in, ItemDef& out, std::string& message) {
  out = ItemDef{};
  message.clear();
  if (!in.Bytes(&out, kItemFixedBytes, "an item")) return false;
  int32_t length = 0;
  if (!in.I32(length, "a message length")) return false;
  if (length < 0 || static_cast<std::size_t>(length) > in.Remaining())
    return in.Fail("message length " + std::to_string(length) + " does not fit in the file");
  message.resize(static_cast<std::size_t>(length));
  if (!in.Bytes(message.data(), message.size(), "a message")) return false;
  out.messageLength = length;
  out.messageText = 0;
  ActionSlotSet present;
  if (!ReadActionSlots(in, out.actions, sizeof(ActionDef), present)) return false;
  ApplyActionDefaults(out, present);
  return true;
}

void WriteCharRecord(ByteWriter& out, const CharDef& chara) {
  out.Bytes(&chara, kCharFixedBytes);
  WriteActionSlots(out, chara.actions);
}

void WriteItemRecord(ByteWriter& out, const ItemDef& item, std::string_view message) {
  ItemDef fixed = item;
  fixed.messageLength = static_cast<int32_t>(message.size());
  fixed.messageText = 0;
  out.Bytes(&fixed, kItemFixedBytes);
  out.I32(fixed.messageLength);
  out.Bytes(message.data(), message.size());
  WriteActionSlots(out, item.actions);
}

}  // namespace vh::stage
