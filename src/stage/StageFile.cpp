#include "stage/StageFile.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "stage/ByteIo.h"
#include "stage/FileVersion.h"
#include "stage/LegacyStageFile.h"
#include "stage/Messages.h"
#include "stage/PaletteFile.h"
#include "stage/RecordIo.h"
#include "stage/StageFileParts.h"

namespace vh::stage {

namespace {

constexpr int kCancelCheckInterval = 256;
// Position, fixed part, counts: the least bytes one placement takes in a file.
constexpr int64_t kSmallestCharPlacement = 4 + kCharFixedBytes + 4;
constexpr int64_t kSmallestItemPlacement = 4 + kItemFixedBytes + 4 + 4;

bool Cancelled(const std::atomic<bool>* cancel) {
  return cancel != nullptr && cancel->load(std::memory_order_relaxed);
}

// Reads a cell position and checks it lies inside the map.
bool ReadPosition(ByteReader& in, const StageMap& map, int& index, const char* what) {
  uint16_t x = 0;
  uint16_t y = 0;
  if (!in.U16(x, what) || !in.U16(y, what)) return false;
  if (!map.Contains(x, y))
    return in.Fail(std::string(what) + " at " + std::to_string(x) + "," + std::to_string(y) +
                   " lies outside the map");
  index = map.IndexOf(x, y);
  return true;
}

bool ReadCount(ByteReader& in, const StageMap& map, int32_t& count, const char* what) {
  if (!in.I32(count, what)) return false;
  if (count < 0 || count > map.CellCount())
    return in.Fail(std::string(what) + " " + std::to_string(count) + " does not fit the map");
  return true;
}

bool ReadPlacements(ByteReader& in, LoadedStage& out, const std::atomic<bool>* cancel) {
  StageMap& map = out.stage.map;
  int32_t count = 0;
  if (!ReadCount(in, map, count, "character count")) return false;
  map.ReserveCharacters(static_cast<std::size_t>(std::min<int64_t>(count, in.Remaining() / kSmallestCharPlacement)));
  CharDef chara;
  for (int32_t i = 0; i < count; ++i) {
    if (i % kCancelCheckInterval == 0 && Cancelled(cancel)) return in.Fail("cancelled");
    int index = 0;
    if (!ReadPosition(in, map, index, "a character")) return false;
    if (map.Char(index) != CharDef{}) return in.Fail("two characters on one cell");
    if (!ReadCharRecord(in, chara, out.fileVersion)) return false;
    map.SetChar(index, chara);
  }
  if (!ReadCount(in, map, count, "item count")) return false;
  map.ReserveItems(static_cast<std::size_t>(std::min<int64_t>(count, in.Remaining() / kSmallestItemPlacement)));
  ItemDef item;
  std::string message;
  for (int32_t i = 0; i < count; ++i) {
    if (i % kCancelCheckInterval == 0 && Cancelled(cancel)) return in.Fail("cancelled");
    int index = 0;
    if (!ReadPosition(in, map, index, "an item")) return false;
    if (map.Item(index) != ItemDef{}) return in.Fail("two items on one cell");
    if (!ReadItemRecord(in, item, message)) return false;
    map.SetItem(index, item, message);
  }
  return true;
}

void WritePlacements(ByteWriter& out, const StageMap& map) {
  int32_t count = 0;
  map.ForEachCharacter([&](int, const CharDef& c) { count += c.graphic != 0 ? 1 : 0; });
  out.I32(count);
  map.ForEachCharacter([&](int index, const CharDef& c) {
    if (c.graphic == 0) return;
    out.U16(static_cast<uint16_t>(map.ColumnOf(index)));
    out.U16(static_cast<uint16_t>(map.RowOf(index)));
    WriteCharRecord(out, c);
  });
  count = 0;
  map.ForEachItem([&](int, const ItemDef& item, std::string_view) { count += item.graphic != 0 ? 1 : 0; });
  out.I32(count);
  map.ForEachItem([&](int index, const ItemDef& item, std::string_view message) {
    if (item.graphic == 0) return;
    out.U16(static_cast<uint16_t>(map.ColumnOf(index)));
    out.U16(static_cast<uint16_t>(map.RowOf(index)));
    WriteItemRecord(out, item, message);
  });
}

}  // namespace

bool IsOlderStageFile(const std::filesystem::path& path) {
  std::string extension = path.extension().string();
  if (!extension.empty()) extension.erase(0, 1);
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension.starts_with(kOlderStagePrefix) || extension.starts_with(kOlderReplayPrefix);
}

bool ParseStageImage(std::span<const uint8_t> bytes, bool forEditor, LoadedStage& out, std::string& error,
                     const std::atomic<bool>* cancel) {
  ByteReader in(bytes);
  uint8_t version[kFileVersionBytes];
  out.olderFormat = false;
  if (in.Bytes(version, sizeof version, "the version")) out.fileVersion = ParseFileVersion(version);
  StageSettings& settings = out.stage.settings;
  if (!in.Failed() && ReadPaletteBlock(in, out.palette, out.fileVersion) &&
      in.Bytes(&settings, sizeof settings, "the stage settings") && CheckStageSettings(in, settings)) {
    out.stage.map.Reset(settings.widthChips, settings.heightChips);
    if (forEditor) out.stage.undoMap.Reset(settings.widthChips, settings.heightChips);
    std::span<BlockDef> blocks = out.stage.map.Blocks();
    if (in.Bytes(blocks.data(), blocks.size_bytes(), "the map blocks") && ReadPlacements(in, out, cancel))
      ReadInputLogTail(in, out.inputLog);
  }
  error = in.Error();
  return !in.Failed();
}

LoadResult LoadStageFile(const StageLoadRequest& request, LoadedStage& out, const std::atomic<bool>* cancel) {
  if (IsOlderStageFile(request.path)) return LoadLegacyStageFile(request, out, cancel);
  return ReadAndParse(request.path, kMaxStageFileBytes, cancel, [&](std::span<const uint8_t> bytes, std::string& error) {
    return ParseStageImage(bytes, request.forEditor, out, error, cancel);
  });
}

void ApplyLoadedStage(LoadedStage&& loaded, bool forEditor, Stage& stage, Palette& palette,
                      std::vector<int32_t>* inputLog) {
  stage.settings = loaded.stage.settings;
  stage.map = std::move(loaded.stage.map);
  if (forEditor) stage.undoMap = std::move(loaded.stage.undoMap);
  palette = std::move(loaded.palette);
  if (inputLog != nullptr) *inputLog = loaded.inputLog ? std::move(*loaded.inputLog) : std::vector<int32_t>{};
}

std::vector<uint8_t> SerializeStage(const Stage& stage, const Palette& palette,
                                    const std::vector<int32_t>* inputLog) {
  ByteWriter out;
  const std::span<const BlockDef> blocks = stage.map.Blocks();
  out.Reserve(64 * 1024 + blocks.size_bytes());
  out.Bytes(kFileVersionImage, kFileVersionBytes);
  WritePaletteBlock(out, palette);
  out.Bytes(&stage.settings, sizeof stage.settings);
  out.Bytes(blocks.data(), blocks.size_bytes());
  WritePlacements(out, stage.map);
  if (inputLog != nullptr) {
    out.I32(static_cast<int32_t>(inputLog->size()));
    out.Bytes(inputLog->data(), inputLog->size() * sizeof(int32_t));
  }
  return std::move(out.Data());
}

SaveResult SaveStageFile(const std::filesystem::path& path, const Stage& stage, const Palette& palette,
                         const std::vector<int32_t>* inputLog, const WriteOptions& options) {
  std::vector<uint8_t> bytes;
  try {
    bytes = SerializeStage(stage, palette, inputLog);
  } catch (const std::bad_alloc&) {
    return {false, SaveFailedMessage(path.string(), "not enough memory")};
  }
  return WriteFileReplacing(path, bytes, options);
}

}  // namespace vh::stage
