// Older-generation stage file reader and its conversion.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "stage/LegacyStageFile.h"
#include "stage/StageFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vh::stage;
  static const Palette defaultPalette = [] {
    Palette p;
    BuildDefaultPalette(p);
    return p;
  }();
  LoadedStage loaded;
  std::string error;
  if (!ParseLegacyStageImage(std::span<const uint8_t>(data, size), defaultPalette, size % 2 == 0, loaded, error))
    return 0;
  // A converted stage is a valid current stage.
  const std::vector<uint8_t> written = SerializeStage(loaded.stage, loaded.palette, nullptr);
  LoadedStage again;
  if (!ParseStageImage(written, false, again, error)) std::abort();
  return 0;
}
