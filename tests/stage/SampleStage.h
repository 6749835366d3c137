// A small stage with the kinds of content the file formats carry: the
// default map, an enemy with present action slots, items with and without a
// message, a character carrying an item, named pictures.
#pragma once

#include <cstring>
#include <string_view>

#include "stage/Palette.h"
#include "stage/Stage.h"

namespace vh::stage::test {

inline void SetName(EntryName& name, std::string_view text) {
  name = EntryName{};
  std::memcpy(name.data(), text.data(), text.size());
}

inline void BuildSampleStage(Stage& stage, Palette& palette) {
  BuildDefaultPalette(palette);
  SetName(palette.blockNames[1], "\x83\x75\x83\x8d\x83\x62\x83\x4e");  // Shift-JIS double-byte text
  SetName(palette.charNames[2], "enemy");
  SetEntryMessage(palette, 5, std::string_view("0123456789\0", 11));
  palette.entries[9].chara.actions[2].actionType = 6;
  palette.entries[9].chara.actions[2].speed = 8;
  NewStage(stage, palette);
  stage.settings.backgroundIndex = 4;
  stage.settings.timeLimit = 300;
  std::memcpy(stage.settings.bgmPath, "midi\\stage.mid", 15);

  StageMap& map = stage.map;
  CharDef enemy = palette.entries[2].chara;
  enemy.actions[3].actionType = 1;
  enemy.actions[3].speed = -5;
  enemy.actions[7].useKey = 2;
  map.SetChar(map.IndexOf(5, 5), enemy);
  ItemDef item = palette.entries[3].item;
  item.actions[0].actionType = 2;
  map.SetItem(map.IndexOf(6, 5), item, std::string_view("ABC\0", 4));
  map.SetItem(map.IndexOf(7, 7), palette.entries[4].item, {});
  map.SetChar(map.IndexOf(10, 10), palette.entries[12].chara);
  map.SetItem(map.IndexOf(10, 10), palette.entries[13].item, std::string_view("x\0", 2));
}

}  // namespace vh::stage::test
