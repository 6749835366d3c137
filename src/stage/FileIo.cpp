#include "stage/FileIo.h"

#include <fstream>
#include <system_error>

#include "stage/Messages.h"

namespace vh::stage {

FileBytes ReadWholeFile(const std::filesystem::path& path, std::size_t maxBytes) {
  FileBytes result;
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return result;
  const auto size = std::filesystem::file_size(path, ec);
  if (ec) return result;
  if (size > maxBytes) {
    result.status = ReadStatus::TooLarge;
    return result;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) return result;
  result.bytes.resize(static_cast<std::size_t>(size));
  in.read(reinterpret_cast<char*>(result.bytes.data()), static_cast<std::streamsize>(size));
  if (static_cast<uint64_t>(in.gcount()) != size || in.peek() != std::char_traits<char>::eof()) {
    result.bytes.clear();
    result.status = ReadStatus::ReadError;
    return result;
  }
  result.status = ReadStatus::Ok;
  return result;
}

const char* ReadFailureDetail(ReadStatus status) {
  return status == ReadStatus::TooLarge ? "the file is too large" : "the file cannot be read";
}

SaveResult WriteFileReplacing(const std::filesystem::path& target, std::span<const uint8_t> bytes,
                              const WriteOptions& options) {
  const std::string shown = target.string();
  std::filesystem::path temporary = target;
  temporary += ".saving";
  std::error_code ec;
  auto fail = [&](const char* detail) {
    std::filesystem::remove(temporary, ec);
    return SaveResult{false, SaveFailedMessage(shown, detail)};
  };
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) return fail("the file cannot be created");
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) return fail("writing failed; the disk may be full");
    out.close();
    if (!out) return fail("writing failed; the disk may be full");
  }
  if (options.syncFile && !options.syncFile(temporary)) return fail("the file could not be flushed to disk");
  std::filesystem::rename(temporary, target, ec);
  if (ec) return fail("the previous file cannot be replaced");
  return {};
}

}  // namespace vh::stage
