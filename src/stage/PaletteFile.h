// Palette files, and the palette block that stage files embed.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "stage/ByteIo.h"
#include "stage/FileIo.h"
#include "stage/LoadResult.h"
#include "stage/Palette.h"

namespace vh::stage {

// Three name tables, 65 blocks, 65 character records, 65 item records.
bool ReadPaletteBlock(ByteReader& in, Palette& out, int fileVersion);
void WritePaletteBlock(ByteWriter& out, const Palette& palette);

// Parses a whole palette file image into out; on failure returns false with
// the reason in error, and out is unspecified.
bool ParsePaletteImage(std::span<const uint8_t> bytes, Palette& out, std::string& error);
std::vector<uint8_t> SerializePalette(const Palette& palette);

// Replaces palette only when the file is valid.
LoadResult LoadPaletteFile(const std::filesystem::path& path, Palette& palette);
SaveResult SavePaletteFile(const std::filesystem::path& path, const Palette& palette,
                           const WriteOptions& options = {});

}  // namespace vh::stage
