#include "stage/Stage.h"

#include "stage/Messages.h"
#include "stage/SjisLabel.h"

namespace vh::stage {

namespace {

// Copies the player entry's character into a cell as the player start.
void PutPlayerStart(StageMap& map, const Palette& palette, int x, int y) {
  CharDef chara = palette.entries[kPlayerEntry].chara;
  chara.facing = 1;
  chara.kind = kCharPlayer;
  map.SetChar(map.IndexOf(x, y), chara);
}

// Moves the player start to (0, 0) when it lies outside the new size.
void KeepPlayerStartInside(Stage& stage, const Palette& palette, int newWidth, int newHeight) {
  const ChipPosition start = FindPlayerStart(stage.map);
  if (start.x < newWidth && start.y < newHeight) return;
  StageMap& map = stage.map;
  map.ClearChar(map.IndexOf(start.x, start.y));
  CharDef chara = palette.entries[kPlayerEntry].chara;
  chara.graphic = 1;
  chara.kind = kCharPlayer;
  map.SetChar(0, chara);
}

void LowerLimit(int32_t& limit, int edge) {
  if (edge < limit) limit = edge;
}

// Memory a grid cell takes here: its 16-byte block plus two pool references.
constexpr int64_t kCellBytes = sizeof(BlockDef) + 2 * sizeof(uint32_t);

}  // namespace

void NewStage(Stage& stage, const Palette& palette) {
  stage.settings = NewStageSettings();
  stage.map.Reset(stage.settings.widthChips, stage.settings.heightChips);
  stage.undoMap.Reset(stage.settings.widthChips, stage.settings.heightChips);
  ClearMapDefault(stage, palette);
}

void ClearMapDefault(Stage& stage, const Palette& palette) {
  StageMap& map = stage.map;
  map.ZeroAll();
  const int width = map.Width();
  const int height = map.Height();
  if (width == 0) return;
  PutPlayerStart(map, palette, 1, height - 2);
  const BlockDef& wall = palette.entries[kPlayerEntry].block;
  for (int x = 0; x < width; ++x) map.Block(map.IndexOf(x, height - 1)) = wall;
  for (int y = 0; y < height; ++y) {
    map.Block(map.IndexOf(0, y)) = wall;
    map.Block(map.IndexOf(width - 1, y)) = wall;
  }
}

void ClearMap(Stage& stage, const Palette& palette) {
  stage.map.ZeroAll();
  if (stage.map.CellCount() > 0) PutPlayerStart(stage.map, palette, 0, 0);
}

ChipPosition FindPlayerStart(const StageMap& map) {
  ChipPosition found;
  int lastRow = -1;
  map.ForEachCharacter([&](int index, const CharDef& chara) {
    const int row = map.RowOf(index);
    if (chara.kind == kCharPlayer && row != lastRow) {
      lastRow = row;
      found = {map.ColumnOf(index), row};
    }
  });
  return found;
}

bool CheckResizeMemory(const StageSettings& settings, int newWidth, int newHeight, bool growing,
                       uint64_t freeMemoryBytes) {
  // Both grids change; growing builds the new grid beside the old one.
  const int64_t newCells = static_cast<int64_t>(newWidth) * newHeight;
  const int64_t oldCells = static_cast<int64_t>(settings.widthChips) * settings.heightChips;
  const int64_t grid = newCells * kCellBytes;
  const int64_t need = growing ? (newCells - oldCells) * 2 * kCellBytes + grid + grid / 2
                               : grid * 5 / 2;
  return need <= 0 || freeMemoryBytes >= static_cast<uint64_t>(need);
}

ResizeResult ResizeStageWidth(Stage& stage, const Palette& palette, int newWidth,
                              uint64_t freeMemoryBytes) {
  StageSettings& s = stage.settings;
  const int shift = ShiftOfWidth(newWidth);
  if (shift < 0 || newWidth < kMinWidthChips || newWidth > kMaxWidthChips) return {false, {}};
  const bool growing = newWidth > s.widthChips;
  if (growing && !CheckResizeMemory(s, newWidth, s.heightChips, true, freeMemoryBytes))
    return {false, std::string(kResizeOutOfMemoryMessage)};
  KeepPlayerStartInside(stage, palette, newWidth, s.heightChips);
  s.widthChips = newWidth;
  s.widthPixels = newWidth * kChipPixels;
  s.widthShift = shift;
  LowerLimit(s.scrollMinX, newWidth - 20);
  LowerLimit(s.scrollMaxX, newWidth - 20);
  stage.map.ResizeWidth(newWidth);
  stage.undoMap.ResizeWidth(newWidth);
  return {};
}

ResizeResult ResizeStageHeight(Stage& stage, const Palette& palette, int newHeight,
                               uint64_t freeMemoryBytes) {
  StageSettings& s = stage.settings;
  if (newHeight < kMinHeightChips || newHeight > kMaxHeightChips) return {false, {}};
  const bool growing = newHeight > s.heightChips;
  if (growing && !CheckResizeMemory(s, s.widthChips, newHeight, true, freeMemoryBytes))
    return {false, std::string(kResizeOutOfMemoryMessage)};
  KeepPlayerStartInside(stage, palette, s.widthChips, newHeight);
  s.heightChips = newHeight;
  s.heightPixels = newHeight * kChipPixels;
  LowerLimit(s.scrollMinY, newHeight - 15);
  LowerLimit(s.scrollMaxY, newHeight - 15);
  stage.map.ResizeHeight(newHeight);
  stage.undoMap.ResizeHeight(newHeight);
  return {};
}

namespace {

struct BackgroundRow {
  SjisLabel label;
  std::string_view file;
  std::string_view alternative;
};

constexpr BackgroundRow kBackgrounds[kBackgroundCount] = {
    {Sjis("ｿｳｹﾞﾝ"), "bmp/背景＿草原.bmp", "bmp/Back_Grass.bmp"},
    {Sjis("ﾓﾘ"), "bmp/背景＿森.bmp", "bmp/Back_Forest.bmp"},
    {Sjis("ｽｲﾁｭｳ"), "bmp/背景＿水中.bmp", "bmp/Back_Underwater.bmp"},
    {Sjis("ﾊｲｷｮ"), "bmp/背景＿廃墟.bmp", "bmp/Back_Ruin.bmp"},
    {Sjis("ｳﾁｭｳ"), "bmp/背景＿宇宙.bmp", "bmp/Back_Space.bmp"},
    {Sjis("ﾄﾞｳｸﾂ"), "bmp/背景＿洞窟.bmp", "bmp/Back_Cave.bmp"},
    {Sjis("ｼﾛ"), "bmp/背景＿城.bmp", "bmp/Back_Castle.bmp"},
    {Sjis("ﾔﾐ"), "bmp/背景＿闇.bmp", "bmp/Back_Dark.bmp"},
    {Sjis("ﾋｶﾘ"), "bmp/背景＿光.bmp", "bmp/Back_Light.bmp"},
    {Sjis("^ﾊﾟｽﾞﾙ@"), "bmp/背景＿パズル.bmp", "bmp/Back_Puzzle.bmp"},
};

}  // namespace

BackgroundPicture BackgroundPictureOf(int backgroundIndex) {
  const int index = backgroundIndex >= 0 && backgroundIndex < kBackgroundCount ? backgroundIndex : 0;
  const BackgroundRow& row = kBackgrounds[index];
  return {row.label.view(), row.file, row.alternative};
}

}  // namespace vh::stage
