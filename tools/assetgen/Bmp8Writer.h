// Writes 8-bit, 256-colour, uncompressed bottom-up BMP files.
#pragma once

#include <filesystem>

#include "GamePalette.h"
#include "IndexedImage.h"

namespace vh::assetgen {

// Writes through a temporary file renamed over `file`, so a failed run never
// leaves a half-written picture. Prints why and returns false on failure.
bool WriteBmp8(const std::filesystem::path& file, const IndexedImage& image,
               const PaletteTable& palette);

}  // namespace vh::assetgen
