#include "stage/PaletteFile.h"

#include <memory>

#include "stage/FileVersion.h"
#include "stage/RecordIo.h"
#include "stage/StageFileParts.h"

namespace vh::stage {

namespace {

constexpr std::size_t kMaxPaletteFileBytes = 256u << 20;

bool ReadNames(ByteReader& in, NameTable& names) {
  for (EntryName& name : names) {
    if (!in.Bytes(name.data(), name.size(), "the name tables")) return false;
    TerminateText(name.data(), name.size());  // a name is at most 31 bytes
  }
  return true;
}

}  // namespace

bool ReadPaletteBlock(ByteReader& in, Palette& out, int fileVersion) {
  out = Palette{};
  if (!ReadNames(in, out.blockNames) || !ReadNames(in, out.charNames) || !ReadNames(in, out.itemNames))
    return false;
  for (CellRecord& entry : out.entries)
    if (!in.Bytes(&entry.block, sizeof(BlockDef), "the palette blocks")) return false;
  for (CellRecord& entry : out.entries)
    if (!ReadCharRecord(in, entry.chara, fileVersion)) return false;
  for (int i = 0; i < kPaletteEntryCount; ++i)
    if (!ReadItemRecord(in, out.entries[i].item, out.messages[i])) return false;
  return true;
}

void WritePaletteBlock(ByteWriter& out, const Palette& palette) {
  for (const NameTable* table : {&palette.blockNames, &palette.charNames, &palette.itemNames})
    for (const EntryName& name : *table) out.Bytes(name.data(), name.size());
  for (const CellRecord& entry : palette.entries) out.Bytes(&entry.block, sizeof(BlockDef));
  for (const CellRecord& entry : palette.entries) WriteCharRecord(out, entry.chara);
  for (int i = 0; i < kPaletteEntryCount; ++i)
    WriteItemRecord(out, palette.entries[i].item, palette.messages[i]);
}

bool ParsePaletteImage(std::span<const uint8_t> bytes, Palette& out, std::string& error) {
  ByteReader in(bytes);
  uint8_t version[kFileVersionBytes];
  if (in.Bytes(version, sizeof version, "the version") && ReadPaletteBlock(in, out, ParseFileVersion(version)) &&
      in.Remaining() != 0)
    in.Fail(std::to_string(in.Remaining()) + " unexpected bytes after the palette");
  error = in.Error();
  return !in.Failed();
}

std::vector<uint8_t> SerializePalette(const Palette& palette) {
  ByteWriter out;
  out.Bytes(kFileVersionImage, kFileVersionBytes);
  WritePaletteBlock(out, palette);
  return std::move(out.Data());
}

LoadResult LoadPaletteFile(const std::filesystem::path& path, Palette& palette) {
  auto loaded = std::make_unique<Palette>();
  LoadResult result = ReadAndParse(path, kMaxPaletteFileBytes, nullptr,
                                   [&](std::span<const uint8_t> bytes, std::string& error) {
                                     return ParsePaletteImage(bytes, *loaded, error);
                                   });
  if (result.ok()) palette = std::move(*loaded);
  return result;
}

SaveResult SavePaletteFile(const std::filesystem::path& path, const Palette& palette, const WriteOptions& options) {
  return WriteFileReplacing(path, SerializePalette(palette), options);
}

}  // namespace vh::stage
