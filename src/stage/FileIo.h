// Reading whole files and replacing files safely.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace vh::stage {

enum class ReadStatus { Ok, CannotOpen, TooLarge, ReadError };

struct FileBytes {
  ReadStatus status = ReadStatus::CannotOpen;
  std::vector<uint8_t> bytes;
};

// Reads a whole file, refusing files above maxBytes before reading them.
FileBytes ReadWholeFile(const std::filesystem::path& path, std::size_t maxBytes);

// Why a file that exists could not be taken (TooLarge, ReadError).
const char* ReadFailureDetail(ReadStatus status);

struct WriteOptions {
  // Makes a written file durable on disk (the platform layer supplies it);
  // without it the data is flushed to the operating system only.
  std::function<bool(const std::filesystem::path&)> syncFile;
};

struct SaveResult {
  bool ok = true;
  std::string message;  // UTF-8, for a message box when !ok
};

// Writes bytes to a temporary file in the target's folder, makes it durable,
// then renames it over the target. On any failure the previous file stays as
// it was and the temporary file is removed.
SaveResult WriteFileReplacing(const std::filesystem::path& target, std::span<const uint8_t> bytes,
                              const WriteOptions& options = {});

}  // namespace vh::stage
