// Makes a written file durable: its data reaches the disk, not only the
// operating system's cache. Savers call it before renaming a temporary file
// over the one it replaces.
#pragma once

#include <filesystem>

namespace vh::platform {

bool SyncFileToDisk(const std::filesystem::path& file);

}  // namespace vh::platform
