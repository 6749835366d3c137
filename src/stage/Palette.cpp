#include "stage/Palette.h"

#include <algorithm>
#include <optional>

#include "stage/ParamDesc.h"
#include "stage/StageMap.h"

namespace vh::stage {

namespace {

void ApplyOneActionDefaults(ActionDef& action, int ownerKind) {
  for (int j = 0; j < kActionParamCount; ++j)
    ParamField(action, j).Set(DescribeActionParam(ownerKind, action, j).def);
}

bool IsZero(const ActionDef& action) { return action == ActionDef{}; }

void ApplyAllActionDefaults(ActionDef (&actions)[kActionSlotCount], int ownerKind,
                            ActionSlotSet present) {
  // An empty slot always ends the same way for one owner kind; work it out once.
  std::optional<ActionDef> emptySlotDefaults;
  for (int k = 0; k < kActionSlotCount; ++k) {
    if (present.test(static_cast<std::size_t>(k))) continue;
    if (!IsZero(actions[k])) {
      ApplyOneActionDefaults(actions[k], ownerKind);
      continue;
    }
    if (!emptySlotDefaults) {
      emptySlotDefaults = ActionDef{};
      ApplyOneActionDefaults(*emptySlotDefaults, ownerKind);
    }
    actions[k] = *emptySlotDefaults;
  }
}

}  // namespace

void SetEntryMessage(Palette& palette, int entry, std::string_view message) {
  palette.messages[entry].assign(message);
  palette.entries[entry].item.messageLength = static_cast<int32_t>(message.size());
}

void ApplyBlockDefaults(BlockDef& block) {
  for (int j = 0; j < kBlockParamCount; ++j) ParamField(block, j).Set(DescribeBlockParam(block, j).def);
}

void ApplyCharDefaults(CharDef& chara) {
  for (int j = 0; j < kRecordParamCount; ++j) ParamField(chara, j).Set(DescribeCharParam(chara, j).def);
  ApplyAllActionDefaults(chara.actions, chara.kind, {});
}

void ApplyItemDefaults(ItemDef& item) {
  for (int j = 0; j < kRecordParamCount; ++j)
    if (j != kMessageParam) ParamField(item, j).Set(DescribeItemParam(item, j).def);
  ApplyAllActionDefaults(item.actions, kCharPlayer, {});
}

void ApplyActionDefaults(CharDef& chara, ActionSlotSet present) {
  ApplyAllActionDefaults(chara.actions, chara.kind, present);
}

void ApplyActionDefaults(ItemDef& item, ActionSlotSet present) {
  ApplyAllActionDefaults(item.actions, kCharPlayer, present);
}

void ApplyPaletteDefaults(Palette& palette, bool placedOnly) {
  for (int i = 1; i < kPaletteEntryCount; ++i) {
    CellRecord& entry = palette.entries[i];
    ApplyBlockDefaults(entry.block);
    if (!placedOnly || entry.chara.graphic != 0) ApplyCharDefaults(entry.chara);
    if (!placedOnly || entry.item.graphic != 0) ApplyItemDefaults(entry.item);
  }
}

void ApplyPaletteDefaults(StageMap& map, bool placedOnly) {
  for (int i = 0; i < map.CellCount(); ++i) {
    ApplyBlockDefaults(map.Block(i));
    if (!placedOnly || map.HasChar(i)) ApplyCharDefaults(map.MutableChar(i));
    if (!placedOnly || map.HasItem(i)) ApplyItemDefaults(map.MutableItem(i));
  }
}

void BuildDefaultPalette(Palette& palette) {
  palette = Palette{};
  palette.entries[kPlayerEntry].chara.kind = kCharPlayer;
  for (int i = 2; i < kPaletteEntryCount; ++i) palette.entries[i].chara.kind = kCharEnemy;
  ApplyPaletteDefaults(palette, false);
  for (int i = 0; i < kPaletteEntryCount; ++i) {
    const auto picture = static_cast<int8_t>(std::min(i, kPictureCount));
    palette.entries[i].block.graphic = picture;
    palette.entries[i].chara.graphic = picture;
    palette.entries[i].item.graphic = picture;
  }
}

}  // namespace vh::stage
