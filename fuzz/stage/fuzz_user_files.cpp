// The small user files: Construction.cnst3p, EditConfig.edt3p, Record.rec and
// the best-score side file, each parsed from the same input.
#include <cstdint>
#include <span>

#include "stage/ConstructionConfig.h"
#include "stage/EditorConfig.h"
#include "stage/RecordTable.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vh::stage;
  const std::span<const uint8_t> bytes(data, size);
  ConstructionConfig construction;
  if (ParseConstructionConfig(bytes, construction) && FrameRateTarget(construction) < 1) __builtin_trap();
  EditorConfig editor;
  if (ParseEditorConfig(bytes, editor) && PalettePathOf(editor).size() >= sizeof editor.palettePath)
    __builtin_trap();
  RecordTable table;
  if (ParseRecordTable(bytes, table)) {
    FinishNormalWorld(table, table.worldProgress, DefaultConstructionConfig());
    RecordWorldScore(table, table.hellProgress, table.bestScore[0]);
  }
  int32_t best = 0;
  ParseClearMark(bytes, best);
  return 0;
}
