// Turns a stored Windows path (Shift-JIS, '\' separators, any letter case)
// into a path on this file system.
#pragma once

#include <filesystem>
#include <string_view>

namespace vh::platform {

// Relative paths are taken below `root`. Each component that does not exist
// with its exact name is matched case-insensitively against its directory;
// when nothing matches, the converted name is kept (so new files can be made).
std::filesystem::path MapPath(const std::filesystem::path& root, std::string_view windowsPathSjis);

}  // namespace vh::platform
