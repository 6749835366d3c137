#include "stage/LegacyStageFile.h"

#include <array>
#include <bitset>
#include <cstring>
#include <limits>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "stage/ByteIo.h"
#include "stage/EditorConfig.h"
#include "stage/FileVersion.h"
#include "stage/RecordIo.h"
#include "stage/StageFileParts.h"

namespace vh::stage {

namespace {

using OlderAction = std::array<uint8_t, kOlderActionBytes>;

struct OlderChar {
  std::array<uint8_t, kOlderCharBytes> fixed{};
  OlderAction actions[kActionSlotCount]{};
};

struct OlderItem {
  std::array<uint8_t, kOlderItemBytes> fixed{};
  std::string message;
  OlderAction actions[kActionSlotCount]{};
};

// An older map of width x 21 cells; characters and items only where placed.
struct OlderMap {
  int width = 0;
  std::vector<BlockDef> blocks;
  std::map<int, OlderChar> chars;
  std::map<int, OlderItem> items;
};

struct OlderFile {
  std::array<BlockDef, kPaletteEntryCount> paletteBlocks{};
  std::array<OlderChar, kPaletteEntryCount> paletteChars{};
  std::array<OlderItem, kPaletteEntryCount> paletteItems{};
  OlderSettings settings{};
  OlderMap map;
  std::optional<std::vector<int32_t>> inputLog;
};

constexpr int kCancelCheckInterval = 256;

bool ReadOlderSlots(ByteReader& in, OlderAction (&actions)[kActionSlotCount]) {
  std::bitset<kActionSlotCount> present;
  return ReadActionSlots(in, actions, kOlderActionBytes, present);
}

bool ReadOlderChar(ByteReader& in, OlderChar& out) {
  out = OlderChar{};
  return in.Bytes(out.fixed.data(), out.fixed.size(), "a character") && ReadOlderSlots(in, out.actions);
}

bool ReadOlderItem(ByteReader& in, OlderItem& out) {
  out = OlderItem{};
  int32_t length = 0;
  if (!in.Bytes(out.fixed.data(), out.fixed.size(), "an item") || !in.I32(length, "a message length"))
    return false;
  if (length < 0 || static_cast<std::size_t>(length) > in.Remaining())
    return in.Fail("message length " + std::to_string(length) + " does not fit in the file");
  out.message.resize(static_cast<std::size_t>(length));
  return in.Bytes(out.message.data(), out.message.size(), "a message") && ReadOlderSlots(in, out.actions);
}

bool CheckOlderSettings(ByteReader& in, OlderSettings& s) {
  const int shift = ShiftOfWidth(s.widthChips);
  if (s.widthChips < 1 || s.widthChips > kMaxWidthChips || shift < 0)
    return in.Fail("width " + std::to_string(s.widthChips) + " chips is not a power of two up to 512");
  if (s.widthShift != shift || s.widthPixels != s.widthChips * kChipPixels)
    return in.Fail("the width's shift or pixels do not match the width in chips");
  if (s.backgroundIndex < 0 || s.backgroundIndex >= kBackgroundCount)
    return in.Fail("background " + std::to_string(s.backgroundIndex) + " is outside 0..9");
  if (s.frameRate == 0) s.frameRate = 60;
  if (s.frameRate < 1 || s.frameRate > 1000)
    return in.Fail("frame rate " + std::to_string(s.frameRate) + " is outside 1..1000");
  TerminateText(s.bgmPath, sizeof s.bgmPath);
  return true;
}

bool ReadPosition(ByteReader& in, int width, int& index, const char* what) {
  uint16_t x = 0;
  uint16_t y = 0;
  if (!in.U16(x, what) || !in.U16(y, what)) return false;
  if (x >= width || y >= kOlderRows)
    return in.Fail(std::string(what) + " at " + std::to_string(x) + "," + std::to_string(y) +
                   " lies outside the map");
  index = x + y * width;
  return true;
}

bool ReadOlderMap(ByteReader& in, OlderMap& map, const std::atomic<bool>* cancel) {
  const int cells = map.width * kOlderRows;
  map.blocks.assign(static_cast<std::size_t>(cells), BlockDef{});
  if (!in.Bytes(map.blocks.data(), map.blocks.size() * sizeof(BlockDef), "the map blocks")) return false;
  int32_t count = 0;
  if (!in.I32(count, "the character count")) return false;
  if (count < 0 || count > cells) return in.Fail("character count " + std::to_string(count) + " does not fit the map");
  for (int32_t i = 0; i < count; ++i) {
    if (i % kCancelCheckInterval == 0 && cancel != nullptr && cancel->load()) return in.Fail("cancelled");
    int index = 0;
    if (!ReadPosition(in, map.width, index, "a character")) return false;
    if (map.chars.contains(index)) return in.Fail("two characters on one cell");
    if (!ReadOlderChar(in, map.chars[index])) return false;
  }
  if (!in.I32(count, "the item count")) return false;
  if (count < 0 || count > cells) return in.Fail("item count " + std::to_string(count) + " does not fit the map");
  for (int32_t i = 0; i < count; ++i) {
    if (i % kCancelCheckInterval == 0 && cancel != nullptr && cancel->load()) return in.Fail("cancelled");
    int index = 0;
    if (!ReadPosition(in, map.width, index, "an item")) return false;
    if (map.items.contains(index)) return in.Fail("two items on one cell");
    if (!ReadOlderItem(in, map.items[index])) return false;
  }
  return true;
}

bool ReadOlderFile(ByteReader& in, OlderFile& file, const std::atomic<bool>* cancel) {
  uint8_t skipped[kFileVersionBytes + 3 * kPaletteEntryCount * sizeof(EntryName)];
  if (!in.Bytes(skipped, sizeof skipped, "the names")) return false;
  for (BlockDef& block : file.paletteBlocks)
    if (!in.Bytes(&block, sizeof block, "the palette blocks")) return false;
  for (OlderChar& chara : file.paletteChars)
    if (!ReadOlderChar(in, chara)) return false;
  for (OlderItem& item : file.paletteItems)
    if (!ReadOlderItem(in, item)) return false;
  if (!in.Bytes(&file.settings, sizeof file.settings, "the stage settings") ||
      !CheckOlderSettings(in, file.settings))
    return false;
  file.map.width = file.settings.widthChips;
  return ReadOlderMap(in, file.map, cancel) && ReadInputLogTail(in, file.inputLog);
}

// 24 -> 30 bytes: 0..6 stay, 7..18 move to 10..21, 19 to 22; the rest of the
// target keeps its value.
void ConvertAction(const OlderAction& older, ActionDef& action) {
  auto* bytes = reinterpret_cast<uint8_t*>(&action);
  std::memcpy(bytes, older.data(), 7);
  std::memcpy(bytes + 10, older.data() + 7, 12);
  bytes[22] = older[19];
}

void ConvertChar(const OlderChar& older, CharDef& chara) {
  std::memcpy(&chara, older.fixed.data(), kOlderCharBytes);
  for (int k = 0; k < kActionSlotCount; ++k) ConvertAction(older.actions[k], chara.actions[k]);
}

// Converts the item's fixed bytes and actions; the message is the caller's.
void ConvertItem(const OlderItem& older, ItemDef& item) {
  std::memcpy(&item, older.fixed.data(), 16);
  item.messageLength = static_cast<int32_t>(older.message.size());
  item.messagePause = static_cast<int8_t>(older.fixed[24]);
  item.effectSound = static_cast<int8_t>(older.fixed[25]);
  for (int k = 0; k < kActionSlotCount; ++k) ConvertAction(older.actions[k], item.actions[k]);
}

void ConvertBlock(const BlockDef& older, BlockDef& block) { std::memcpy(&block, &older, 12); }

void ConvertMapCells(const OlderMap& older, StageMap& map) {
  for (int i = 0; i < map.CellCount(); ++i) ConvertBlock(older.blocks[i], map.Block(i));
  for (const auto& [index, chara] : older.chars) ConvertChar(chara, map.MutableChar(index));
  for (const auto& [index, item] : older.items) {
    ConvertItem(item, map.MutableItem(index));
    map.SetMessage(index, item.message);
  }
}

int8_t KindOfGraphic(int8_t graphic) {
  if (graphic == 0) return kCharNone;
  return graphic == 1 ? kCharPlayer : kCharEnemy;
}

void RemapAction(ActionDef& action) {
  int type = action.actionType;
  if (type > 3) type = type + 1 > 6 ? type + 2 : type + 1;
  action.actionType = static_cast<int8_t>(type);
  if (action.actionType != 5 && action.impact > 10) action.impact = 10;
  action.faction = -1;
}

void RemapBlock(BlockDef& block) {
  if (block.ignoreFaction == 0)
    block.ignoreFaction = -1;
  else if (block.ignoreFaction == 2)
    block.ignoreFaction = 0;
}

void RemapChar(CharDef& chara) {
  chara.kind = KindOfGraphic(chara.graphic);
  chara.faction = static_cast<int8_t>(chara.graphic == 0 || chara.graphic == 1 ? 0 : 1);
  const int group = chara.group;
  if (group == 0)
    chara.group = 1;
  else if (group == 32)
    chara.group = 126;
  else if (group > 20)
    chara.group = 1;
  else
    chara.group = static_cast<int8_t>(3 * group + 4);
  for (ActionDef& action : chara.actions) RemapAction(action);
}

void RemapItem(ItemDef& item) {
  for (ActionDef& action : item.actions) RemapAction(action);
}

void Convert(const OlderFile& file, const Palette& defaultPalette, bool forEditor, LoadedStage& out) {
  Palette& palette = out.palette;
  palette = defaultPalette;
  Stage& stage = out.stage;
  NewStage(stage, palette);

  StageSettings& s = stage.settings;
  const OlderSettings& older = file.settings;
  s.backgroundIndex = older.backgroundIndex;
  s.widthPixels = older.widthPixels;
  s.widthChips = older.widthChips;
  s.widthShift = older.widthShift;
  s.timeLimit = older.timeLimit;
  s.initialFlags = older.initialFlags;
  s.autoScrollX = older.autoScrollX;
  std::memcpy(s.bgmPath, older.bgmPath, sizeof s.bgmPath);
  s.frameRate = older.frameRate;
  s.heightChips = kOlderRows;
  s.heightPixels = kOlderRows * kChipPixels;

  StageMap& map = stage.map;
  map.Reset(s.widthChips, kOlderRows);
  ConvertMapCells(file.map, map);
  map.ForEachCharacter([&](int index, const CharDef&) {
    CharDef& chara = map.MutableChar(index);
    chara.kind = KindOfGraphic(chara.graphic);
  });
  // Fields the older records lack get their defaults; converting again puts
  // the older values back over them.
  ApplyPaletteDefaults(map, true);
  ApplyPaletteDefaults(palette, true);
  ConvertMapCells(file.map, map);
  for (int i = 0; i < kPaletteEntryCount; ++i) {
    CellRecord& entry = palette.entries[i];
    ConvertBlock(file.paletteBlocks[i], entry.block);
    ConvertChar(file.paletteChars[i], entry.chara);
    ConvertItem(file.paletteItems[i], entry.item);
    SetEntryMessage(palette, i, file.paletteItems[i].message);
  }

  for (BlockDef& block : map.Blocks()) RemapBlock(block);
  map.ForEachCharacter([&](int index, const CharDef&) { RemapChar(map.MutableChar(index)); });
  map.ForEachItem([&](int index, const ItemDef&, std::string_view) { RemapItem(map.MutableItem(index)); });
  for (CellRecord& entry : palette.entries) {
    RemapBlock(entry.block);
    RemapChar(entry.chara);
    RemapItem(entry.item);
  }

  if (forEditor)
    stage.undoMap.Reset(s.widthChips, kOlderRows);
  else
    stage.undoMap.Release();
  if (s.widthChips < kMinWidthChips)
    ResizeStageWidth(stage, palette, kMinWidthChips, std::numeric_limits<uint64_t>::max());
  s.scrollMinY = s.scrollMaxY = 3;
  s.scrollMinX = 0;
  s.scrollMaxX = s.widthChips - 20;
  out.inputLog = file.inputLog;
  out.olderFormat = true;
}

}  // namespace

bool ParseLegacyStageImage(std::span<const uint8_t> bytes, const Palette& defaultPalette, bool forEditor,
                           LoadedStage& out, std::string& error, const std::atomic<bool>* cancel) {
  ByteReader in(bytes);
  auto file = std::make_unique<OlderFile>();
  if (!ReadOlderFile(in, *file, cancel)) {
    error = in.Error();
    return false;
  }
  out.fileVersion = ParseFileVersion(bytes.first(kFileVersionBytes));
  Convert(*file, defaultPalette, forEditor, out);
  error.clear();
  return true;
}

LoadResult LoadLegacyStageFile(const StageLoadRequest& request, LoadedStage& out,
                               const std::atomic<bool>* cancel) {
  std::optional<std::string> missingPalette;
  LoadResult result =
      ReadAndParse(request.path, kMaxStageFileBytes, cancel, [&](std::span<const uint8_t> bytes, std::string& error) {
        auto defaultPalette = std::make_unique<Palette>();
        const DefaultPaletteOutcome palette = LoadEditorDefaultPalette(request.data, *defaultPalette, false);
        if (!palette.fromFile) missingPalette = palette.palettePath;
        return ParseLegacyStageImage(bytes, *defaultPalette, request.forEditor, out, error, cancel);
      });
  if (result.ok()) result.missingDefaultPalette = std::move(missingPalette);
  return result;
}

}  // namespace vh::stage
