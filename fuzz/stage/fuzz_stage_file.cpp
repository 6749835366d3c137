// Stage and replay file reader. Whatever it accepts must write back to a file
// that reads again to the same bytes.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "stage/StageFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vh::stage;
  LoadedStage loaded;
  std::string error;
  if (!ParseStageImage(std::span<const uint8_t>(data, size), size % 2 == 0, loaded, error)) return 0;
  const auto* log = loaded.inputLog ? &*loaded.inputLog : nullptr;
  const std::vector<uint8_t> written = SerializeStage(loaded.stage, loaded.palette, log);
  LoadedStage again;
  if (!ParseStageImage(written, false, again, error)) std::abort();
  const auto* logAgain = again.inputLog ? &*again.inputLog : nullptr;
  if (SerializeStage(again.stage, again.palette, logAgain) != written) std::abort();
  return 0;
}
