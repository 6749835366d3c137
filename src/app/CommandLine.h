// Options of the vormholt executable. With none it behaves as a player
// expects: a window, in the current directory.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vh::app {

struct ScreenshotRequest {
  uint64_t frame = 0;  // frames are numbered from 0
  std::filesystem::path file;
};

struct AppOptions {
  std::filesystem::path root = ".";
  bool headless = false;
  std::string scriptPath;
  std::optional<uint64_t> frames;  // post the close request after this many frames
  std::vector<ScreenshotRequest> screenshots;
};

// Parses argv. On --help or a bad option returns nothing with `exitCode` set
// (0 after help, 2 after an error); the text has been printed.
std::optional<AppOptions> ParseCommandLine(int argc, char** argv, int& exitCode);

}  // namespace vh::app
