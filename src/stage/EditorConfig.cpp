#include "stage/EditorConfig.h"

#include <algorithm>
#include <cstring>

#include "stage/FileVersion.h"
#include "stage/PaletteFile.h"
#include "stage/StageFileParts.h"

namespace vh::stage {

EditorConfig MakeEditorConfig(std::string_view palettePath) {
  EditorConfig config;
  std::memset(&config, 0, sizeof config);
  const std::size_t n = std::min(palettePath.size(), sizeof config.palettePath - 1);
  std::memcpy(config.palettePath, palettePath.data(), n);
  return config;
}

std::string_view PalettePathOf(const EditorConfig& config) {
  const char* end = std::find(config.palettePath, config.palettePath + sizeof config.palettePath, '\0');
  return {config.palettePath, static_cast<std::size_t>(end - config.palettePath)};
}

bool ParseEditorConfig(std::span<const uint8_t> bytes, EditorConfig& out) {
  if (bytes.size() < kFileVersionBytes + sizeof(EditorConfig)) return false;
  std::memcpy(&out, bytes.data() + kFileVersionBytes, sizeof out);
  TerminateText(out.palettePath, sizeof out.palettePath);
  return true;
}

UserFileStatus ReadEditorConfig(const std::filesystem::path& path, EditorConfig& config) {
  const FileBytes file = ReadWholeFile(path, 4096);
  if (file.status == ReadStatus::CannotOpen) return UserFileStatus::Missing;
  EditorConfig read;
  if (file.status != ReadStatus::Ok || !ParseEditorConfig(file.bytes, read)) return UserFileStatus::Damaged;
  config = read;
  return UserFileStatus::Loaded;
}

SaveResult WriteEditorConfig(const std::filesystem::path& path, const EditorConfig& config,
                             const WriteOptions& options) {
  ByteWriter out;
  out.Bytes(kFileVersionImage, kFileVersionBytes);
  out.Bytes(&config, sizeof config);
  return WriteFileReplacing(path, out.Data(), options);
}

DefaultPaletteOutcome LoadEditorDefaultPalette(const DataFolder& data, Palette& palette,
                                               bool writeMissingConfig, const WriteOptions& options) {
  DefaultPaletteOutcome outcome;
  EditorConfig config = MakeEditorConfig(kDefaultPalettePath);
  const UserFileStatus status = ReadEditorConfig(data.EditConfigFile(), config);
  if (status != UserFileStatus::Loaded) {
    config = MakeEditorConfig(kDefaultPalettePath);
    if (writeMissingConfig && status == UserFileStatus::Missing)
      outcome.configWrite = WriteEditorConfig(data.EditConfigFile(), config, options);
  }
  outcome.palettePath = std::string(PalettePathOf(config));
  outcome.fromFile = LoadPaletteFile(data.Resolve(outcome.palettePath), palette).ok();
  if (!outcome.fromFile) BuildDefaultPalette(palette);
  return outcome;
}

}  // namespace vh::stage
