// Reading a whole user-replaceable file into memory, refusing files larger
// than the caller allows.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace vh::sound {

bool ReadFileBytes(const std::filesystem::path& path, uintmax_t maxBytes, std::vector<uint8_t>& bytes,
                   std::string& why);

}  // namespace vh::sound
