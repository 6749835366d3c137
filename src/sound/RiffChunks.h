// Walking the chunks of a RIFF file held in memory: every chunk header and
// body is checked against the bytes of its parent before it is used.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace vh::sound {

struct RiffChunk {
  size_t headerOffset = 0;  // where the 8-byte header starts
  size_t dataOffset = 0;    // first byte of the body
  uint32_t size = 0;        // body size as stored
  // Offset just past the body and its pad byte (bodies are word-aligned).
  size_t End() const { return dataOffset + size + (size & 1u); }
};

uint16_t ReadLe16(std::span<const uint8_t> bytes, size_t offset);
uint32_t ReadLe32(std::span<const uint8_t> bytes, size_t offset);

// Searches the chunks from `begin` up to `end` for the first with id `id`.
// A header that does not fit before `end` ends the search. The chunk's body
// may run past `end`; callers check the bytes they read.
std::optional<RiffChunk> FindChunk(std::span<const uint8_t> bytes, size_t begin, size_t end,
                                   std::string_view id);

}  // namespace vh::sound
