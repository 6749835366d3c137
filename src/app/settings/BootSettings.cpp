#include "app/settings/BootSettings.h"

#include <array>
#include <fstream>
#include <system_error>

namespace vh::app {
namespace {

int32_t ReadInt32(std::span<const uint8_t> bytes, size_t at) {
  return static_cast<int32_t>(uint32_t{bytes[at]} | uint32_t{bytes[at + 1]} << 8 |
                              uint32_t{bytes[at + 2]} << 16 | uint32_t{bytes[at + 3]} << 24);
}

void PutInt32(std::array<char, kBootBytes>& bytes, size_t at, int32_t value) {
  const auto v = static_cast<uint32_t>(value);
  for (size_t i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>(v >> (8 * i));
}

}  // namespace

std::optional<BootSettings> ParseBoot(std::span<const uint8_t> bytes) {
  if (bytes.size() != kBootBytes) return std::nullopt;
  return BootSettings{ReadInt32(bytes, 0), ReadInt32(bytes, 4)};
}

bool ReadBoot(const std::filesystem::path& file, BootSettings& settings) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return false;
  // One byte more than the record tells a long file from an exact one.
  std::array<uint8_t, kBootBytes + 1> bytes{};
  in.read(reinterpret_cast<char*>(bytes.data()), bytes.size());
  const auto parsed = ParseBoot(std::span(bytes.data(), static_cast<size_t>(in.gcount())));
  if (!parsed) return false;
  settings = *parsed;
  return true;
}

bool WriteBoot(const std::filesystem::path& file, const BootSettings& settings) {
  std::array<char, kBootBytes> bytes{};
  PutInt32(bytes, 0, settings.drawMode);
  PutInt32(bytes, 4, settings.hideDialog);
  std::filesystem::path temporary = file;
  temporary += ".tmp";
  std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), bytes.size());
  out.close();
  std::error_code error;
  if (out) std::filesystem::rename(temporary, file, error);
  if (out && !error) return true;
  std::filesystem::remove(temporary, error);
  return false;
}

}  // namespace vh::app
