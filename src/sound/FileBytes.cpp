#include "sound/FileBytes.h"

#include <fstream>

namespace vh::sound {

bool ReadFileBytes(const std::filesystem::path& path, uintmax_t maxBytes, std::vector<uint8_t>& bytes,
                   std::string& why) {
  std::error_code ec;
  const uintmax_t size = std::filesystem::file_size(path, ec);
  if (ec) {
    why = "cannot open the file (" + ec.message() + ")";
    return false;
  }
  if (size > maxBytes) {
    why = "the file is larger than " + std::to_string(maxBytes) + " bytes";
    return false;
  }
  std::ifstream in(path, std::ios::binary);
  std::vector<uint8_t> data(static_cast<size_t>(size));
  if (!in || !in.read(reinterpret_cast<char*>(data.data()), static_cast<std::streamsize>(size))) {
    why = "cannot read the file";
    return false;
  }
  bytes = std::move(data);
  return true;
}

}  // namespace vh::sound
