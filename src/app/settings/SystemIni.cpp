#include "app/settings/SystemIni.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <limits>
#include <string>

namespace vh::app {
namespace {

constexpr int kEnd = -1;
constexpr int kValueCount = 7;

bool EndsValue(int c) { return c == kEnd || c == '\0' || c == '\t' || c == '\n' || c == ' ' || c == '/'; }

bool IsAtoiSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// atoi, except that numbers beyond the int32 range stop at its ends instead
// of being undefined.
int32_t TextToInt(const std::string& text) {
  size_t i = 0;
  while (i < text.size() && IsAtoiSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  int64_t value = 0;
  constexpr int64_t kLimit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = std::min(value * 10 + (text[i] - '0'), kLimit);
  }
  if (negative) return static_cast<int32_t>(-value);
  return static_cast<int32_t>(std::min(value, kLimit - 1));
}

// Reads one `name=value` entry. `next` yields the file's bytes as 0..255 and
// kEnd after the last one.
template <class NextByte>
SystemIniStatus ReadEntry(NextByte& next, int32_t& value) {
  // The name, up to "=": blanks and tabs dropped, anything else kept and ignored.
  size_t nameLength = 0;
  int c = next();
  for (; c != '='; c = next()) {
    if (c == kEnd) return SystemIniStatus::EndedEarly;
    if (c == ' ' || c == '\t') continue;
    if (++nameLength > kSystemIniTextLimit) return SystemIniStatus::NameTooLong;
  }
  // Blanks between "=" and the value are skipped, so "Window= 1" reads 1.
  do {
    c = next();
  } while (c == ' ');
  std::string text;
  for (; !EndsValue(c); c = next()) {
    if (text.size() == kSystemIniTextLimit) return SystemIniStatus::ValueTooLong;
    text.push_back(static_cast<char>(c));
  }
  value = TextToInt(text);
  return SystemIniStatus::Read;
}

template <class NextByte>
SystemIniStatus Parse(NextByte next, SystemSettings& settings) {
  std::array<int32_t, kValueCount> values{};
  for (int32_t& slot : values) {
    const SystemIniStatus status = ReadEntry(next, slot);
    if (status != SystemIniStatus::Read) return status;
  }
  // The window scale is an optional eighth entry: files with seven values
  // stay valid, and a damaged eighth entry only leaves the scale automatic.
  int32_t scale = 0;
  if (ReadEntry(next, scale) != SystemIniStatus::Read || scale < 1 || scale > kMaxWindowScale) {
    scale = 0;
  }
  settings = {values[0], values[1], values[2], values[3], values[4], values[5], values[6], scale};
  return SystemIniStatus::Read;
}

}  // namespace

SystemIniStatus ParseSystemIni(std::span<const uint8_t> bytes, SystemSettings& settings) {
  size_t at = 0;
  return Parse([&] { return at < bytes.size() ? int{bytes[at++]} : kEnd; }, settings);
}

SystemIniStatus ReadSystemIni(const std::filesystem::path& file, SystemSettings& settings) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return SystemIniStatus::CannotOpen;
  // Streamed in chunks: only what the seven entries need is ever read.
  // istream::read turns a device error (such as a folder) into a short read.
  std::array<char, 4096> chunk;
  size_t at = 0;
  size_t filled = 0;
  return Parse(
      [&] {
        if (at == filled) {
          in.read(chunk.data(), chunk.size());
          filled = static_cast<size_t>(in.gcount());
          at = 0;
          if (filled == 0) return kEnd;
        }
        return int{static_cast<unsigned char>(chunk[at++])};
      },
      settings);
}

std::string_view DescribeSystemIniStatus(SystemIniStatus status) {
  switch (status) {
    case SystemIniStatus::Read: return "read";
    case SystemIniStatus::CannotOpen: return "cannot be opened";
    case SystemIniStatus::EndedEarly: return "ends before the seventh value";
    case SystemIniStatus::NameTooLong: return "a name is longer than 2047 bytes";
    case SystemIniStatus::ValueTooLong: return "a value is longer than 2047 bytes";
  }
  return "unknown";
}

}  // namespace vh::app
