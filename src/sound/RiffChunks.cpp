#include "sound/RiffChunks.h"

#include <cstring>

namespace vh::sound {

uint16_t ReadLe16(std::span<const uint8_t> bytes, size_t offset) {
  return static_cast<uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

uint32_t ReadLe32(std::span<const uint8_t> bytes, size_t offset) {
  return static_cast<uint32_t>(bytes[offset]) | (static_cast<uint32_t>(bytes[offset + 1]) << 8) |
         (static_cast<uint32_t>(bytes[offset + 2]) << 16) |
         (static_cast<uint32_t>(bytes[offset + 3]) << 24);
}

std::optional<RiffChunk> FindChunk(std::span<const uint8_t> bytes, size_t begin, size_t end,
                                   std::string_view id) {
  if (end > bytes.size()) end = bytes.size();
  size_t offset = begin;
  while (offset <= end && end - offset >= 8) {
    RiffChunk chunk;
    chunk.headerOffset = offset;
    chunk.dataOffset = offset + 8;
    chunk.size = ReadLe32(bytes, offset + 4);
    if (std::memcmp(bytes.data() + offset, id.data(), 4) == 0) return chunk;
    offset = chunk.End();  // size_t holds any 32-bit size past a small offset
  }
  return std::nullopt;
}

}  // namespace vh::sound
