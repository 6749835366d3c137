// Palette file reader, with the same write-back check as stage files.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "stage/PaletteFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vh::stage;
  Palette palette;
  std::string error;
  if (!ParsePaletteImage(std::span<const uint8_t>(data, size), palette, error)) return 0;
  const std::vector<uint8_t> written = SerializePalette(palette);
  Palette again;
  if (!ParsePaletteImage(written, again, error) || SerializePalette(again) != written) std::abort();
  return 0;
}
