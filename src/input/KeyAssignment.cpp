#include "input/KeyAssignment.h"

#include <fstream>
#include <vector>

#include "platform/VirtualKeys.h"

namespace vh::input {
namespace {

int32_t ReadInt32(std::span<const uint8_t> bytes, size_t offset) {
  const uint32_t v = uint32_t{bytes[offset]} | uint32_t{bytes[offset + 1]} << 8 |
                     uint32_t{bytes[offset + 2]} << 16 | uint32_t{bytes[offset + 3]} << 24;
  return static_cast<int32_t>(v);
}

uint16_t ReadUint16(std::span<const uint8_t> bytes, size_t offset) {
  return static_cast<uint16_t>(bytes[offset] | bytes[offset + 1] << 8);
}

}  // namespace

KeyAssignment DefaultKeyAssignment() {
  namespace vk = platform::vk;
  const std::array<uint16_t, kKeyEntryCount> codes{
      vk::kLeft, vk::kRight, vk::kUp, vk::kDown, 'Z', 'X', 'C', 'V'};
  KeyAssignment keys;
  for (int i = 0; i < kKeyEntryCount; ++i) keys.entries[i] = {kKeyboardDevice, codes[i], 0};
  return keys;
}

std::optional<KeyAssignment> ParseKeyAssignment(std::span<const uint8_t> bytes) {
  if (bytes.size() != kKeyAssignmentBytes) return std::nullopt;
  KeyAssignment keys;
  for (int i = 0; i < kKeyEntryCount; ++i) {
    const size_t at = static_cast<size_t>(i) * 8;
    keys.entries[i] = {ReadInt32(bytes, at), ReadUint16(bytes, at + 4), ReadUint16(bytes, at + 6)};
  }
  keys.entryCount = ReadInt32(bytes, 64);
  keys.joystickCount = ReadInt32(bytes, 68);
  keys.customInUse = ReadInt32(bytes, 72);
  return keys;
}

KeyFileStatus LoadKeyAssignment(const std::filesystem::path& file, KeyAssignment& keys) {
  keys = DefaultKeyAssignment();
  std::ifstream in(file, std::ios::binary);
  if (!in) return KeyFileStatus::Missing;
  // One byte more than the record tells a long file from an exact one
  // without reading all of it.
  std::vector<uint8_t> bytes(kKeyAssignmentBytes + 1);
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  bytes.resize(static_cast<size_t>(in.gcount()));
  const auto parsed = ParseKeyAssignment(bytes);
  if (!parsed) return KeyFileStatus::WrongSize;
  keys = *parsed;
  return KeyFileStatus::Loaded;
}

}  // namespace vh::input
