#include "StageJson.h"

#include <algorithm>
#include <string>

#include "platform/TextEncoding.h"
#include "stage/ParamDesc.h"

namespace vh::cli {

namespace {

using namespace vh::stage;

// Text of a fixed field or a message: the bytes up to the first NUL.
std::string Text(const char* bytes, std::size_t size) {
  const char* end = std::find(bytes, bytes + size, '\0');
  return platform::ShiftJisToUtf8(std::string_view(bytes, static_cast<std::size_t>(end - bytes)));
}

template <class Record>
void AddParams(Json& out, RecordKind kind, Record& record) {
  for (int i = 0; i < ParamCount(kind); ++i) {
    const ParamFieldRef field = ParamField(record, i);
    if (field.width != ParamWidth::Message) out[std::string(ParamFieldName(kind, i))] = field.Get();
  }
}

Json BlockJson(BlockDef block) {
  Json out = Json::object();
  AddParams(out, RecordKind::Block, block);
  return out;
}

Json ActionsJson(const ActionDef (&actions)[kActionSlotCount]) {
  Json out = Json::object();
  for (int slot = 0; slot < kActionSlotCount; ++slot) {
    if (!IsActionPresent(actions[slot])) continue;
    ActionDef action = actions[slot];
    Json params = Json::object();
    AddParams(params, RecordKind::Action, action);
    out[std::to_string(slot)] = std::move(params);
  }
  return out;
}

Json CharJson(CharDef chara) {
  Json out = Json::object();
  out["kind"] = chara.kind;
  out["graphic"] = chara.graphic;
  out["facing"] = chara.facing;
  AddParams(out, RecordKind::Character, chara);
  out["actions"] = ActionsJson(chara.actions);
  return out;
}

Json ItemJson(ItemDef item, std::string_view message) {
  Json out = Json::object();
  out["graphic"] = item.graphic;
  AddParams(out, RecordKind::Item, item);
  out["messageLength"] = static_cast<int>(message.size());
  out["message"] = message.empty() ? Json(nullptr) : Json(Text(message.data(), message.size()));
  out["messagePause"] = item.messagePause;
  out["actions"] = ActionsJson(item.actions);
  return out;
}

Json Placed(const StageMap& map, int index, Json record) {
  Json out = Json::object();
  out["x"] = map.ColumnOf(index);
  out["y"] = map.RowOf(index);
  out.update(record);
  return out;
}

Json NamesJson(const NameTable& names) {
  Json out = Json::array();
  for (const EntryName& name : names) out.push_back(Text(name.data(), name.size()));
  return out;
}

}  // namespace

Json SettingsJson(const StageSettings& s) {
  Json out = Json::object();
  out["backgroundIndex"] = s.backgroundIndex;
  out["widthPixels"] = s.widthPixels;
  out["widthChips"] = s.widthChips;
  out["widthShift"] = s.widthShift;
  out["heightPixels"] = s.heightPixels;
  out["heightChips"] = s.heightChips;
  out["timeLimit"] = s.timeLimit;
  out["initialFlags"] = s.initialFlags;
  out["autoScrollX"] = s.autoScrollX;
  out["autoScrollY"] = s.autoScrollY;
  out["bgmPath"] = Text(s.bgmPath, sizeof s.bgmPath);
  out["gravity"] = s.gravity;
  out["frameRate"] = s.frameRate;
  out["hitTestLevel"] = s.hitTestLevel;
  out["subSteps"] = s.subSteps;
  out["subStepsAsDouble"] = s.subStepsAsDouble;
  out["subStepsSquared"] = s.subStepsSquared;
  out["speedCap"] = s.speedCap;
  out["gravityPerSubStep"] = s.gravityPerSubStep;
  out["speedCapPerSubStep"] = s.speedCapPerSubStep;
  out["subStepsTimes6"] = s.subStepsTimes6;
  out["subStepsTimes30"] = s.subStepsTimes30;
  out["scrollMinX"] = s.scrollMinX;
  out["scrollMaxX"] = s.scrollMaxX;
  out["scrollMinY"] = s.scrollMinY;
  out["scrollMaxY"] = s.scrollMaxY;
  return out;
}

Json PaletteJson(const Palette& palette) {
  Json out = Json::object();
  out["names"] = {{"blocks", NamesJson(palette.blockNames)},
                  {"characters", NamesJson(palette.charNames)},
                  {"items", NamesJson(palette.itemNames)}};
  Json entries = Json::array();
  for (int i = 0; i < kPaletteEntryCount; ++i) {
    const CellRecord& entry = palette.entries[i];
    entries.push_back({{"index", i},
                       {"block", BlockJson(entry.block)},
                       {"character", CharJson(entry.chara)},
                       {"item", ItemJson(entry.item, palette.messages[i])}});
  }
  out["entries"] = std::move(entries);
  return out;
}

Json LoadedStageJson(const LoadedStage& loaded) {
  const StageMap& map = loaded.stage.map;
  Json out = Json::object();
  out["version"] = loaded.fileVersion;
  out["format"] = loaded.olderFormat ? "older" : "current";
  out["settings"] = SettingsJson(loaded.stage.settings);
  Json blocks = Json::array();
  for (int i = 0; i < map.CellCount(); ++i)
    if (map.Block(i).graphic != 0) blocks.push_back(Placed(map, i, BlockJson(map.Block(i))));
  out["blocks"] = std::move(blocks);
  Json characters = Json::array();
  map.ForEachCharacter([&](int index, const CharDef& chara) {
    if (chara.graphic != 0) characters.push_back(Placed(map, index, CharJson(chara)));
  });
  out["characters"] = std::move(characters);
  Json items = Json::array();
  map.ForEachItem([&](int index, const ItemDef& item, std::string_view message) {
    if (item.graphic != 0) items.push_back(Placed(map, index, ItemJson(item, message)));
  });
  out["items"] = std::move(items);
  out["replay"] = loaded.inputLog ? Json(loaded.inputLog->size()) : Json(nullptr);
  out["palette"] = PaletteJson(loaded.palette);
  return out;
}

}  // namespace vh::cli
