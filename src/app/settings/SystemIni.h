// System.ini: seven numeric settings read by position, names ignored.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>

namespace vh::app {

// In file order; the initial values are the ones used when the file cannot be read.
struct SystemSettings {
  int32_t Direct3D = 0;      // 0 DirectDraw, 1 Direct3D, 2+ ask with the launch dialog
  int32_t Window = 0;        // 0 full screen, other = window
  int32_t Bpp = 0;           // 0 automatic, else 8, 16 or 32
  int32_t VSyncMode = 2;     // 0 off, 1 on, 2+ automatic
  int32_t Reserved = 0;      // kept, unused
  int32_t ShowFPS = 1;       // exactly 1 shows the FPS text
  int32_t ObjectCompat = 0;  // variant of the objects' start-time adjustment
  int32_t Scale = 0;         // optional eighth entry: window scale 1..8, 0 = automatic

  bool operator==(const SystemSettings&) const = default;
};

enum class SystemIniStatus { Read, CannotOpen, EndedEarly, NameTooLong, ValueTooLong };

// Longest name or value text; one byte more fails the read.
inline constexpr size_t kSystemIniTextLimit = 2047;
inline constexpr int32_t kMaxWindowScale = 8;

// Reads `name=value` entries byte by byte until seven values were found. A
// value ends at NUL, tab, line feed, blank or '/', and is converted like atoi
// (saturating at the int32 range). `settings` changes only when all seven
// values were read.
SystemIniStatus ParseSystemIni(std::span<const uint8_t> bytes, SystemSettings& settings);
SystemIniStatus ReadSystemIni(const std::filesystem::path& file, SystemSettings& settings);

// A short English reason for the log.
std::string_view DescribeSystemIniStatus(SystemIniStatus status);

}  // namespace vh::app
