// EditConfig.edt3p: the path of the palette the editor starts with.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "stage/DataFolder.h"
#include "stage/FileIo.h"
#include "stage/Palette.h"
#include "stage/UserFileStatus.h"

namespace vh::stage {

struct EditorConfig {
  char palettePath[260];  // Shift-JIS, relative to the working folder, NUL-terminated
  uint8_t reserved[32];
};

static_assert(sizeof(EditorConfig) == 292 && offsetof(EditorConfig, reserved) == 260);

inline constexpr std::string_view kDefaultPalettePath = "user_data\\plt3\\default.plt3p";

// An all-zero record holding the given path (cut to 259 bytes).
EditorConfig MakeEditorConfig(std::string_view palettePath);
std::string_view PalettePathOf(const EditorConfig& config);

bool ParseEditorConfig(std::span<const uint8_t> bytes, EditorConfig& out);
UserFileStatus ReadEditorConfig(const std::filesystem::path& path, EditorConfig& config);
SaveResult WriteEditorConfig(const std::filesystem::path& path, const EditorConfig& config,
                             const WriteOptions& options = {});

struct DefaultPaletteOutcome {
  bool fromFile = false;   // false: the built-in palette was built instead
  std::string palettePath; // Shift-JIS path that was tried
  std::optional<SaveResult> configWrite;  // set when a missing config was written
};

// The palette the editor starts with: the file named by EditConfig.edt3p
// (the default path when that is missing, and the config is then written
// when writeMissingConfig is set), or the built-in palette when the file
// cannot be read. palette is replaced either way.
DefaultPaletteOutcome LoadEditorDefaultPalette(const DataFolder& data, Palette& palette,
                                               bool writeMissingConfig, const WriteOptions& options = {});

}  // namespace vh::stage
