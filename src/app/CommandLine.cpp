#include "app/CommandLine.h"

#include <CLI/CLI.hpp>

namespace vh::app {

namespace {

bool ParseScreenshot(const std::string& text, ScreenshotRequest& request) {
  const auto colon = text.find(':');
  if (colon == std::string::npos || colon == 0 || colon + 1 == text.size()) return false;
  try {
    size_t used = 0;
    const std::string number = text.substr(0, colon);
    request.frame = std::stoull(number, &used);
    if (used != number.size()) return false;
  } catch (const std::exception&) {
    return false;
  }
  request.file = text.substr(colon + 1);
  return true;
}

}  // namespace

std::optional<AppOptions> ParseCommandLine(int argc, char** argv, int& exitCode) {
  AppOptions options;
  std::string root = ".";
  uint64_t frames = 0;
  std::vector<std::string> screenshots;

  CLI::App cli{"Vormholt+: play and build side-scrolling action stages"};
  cli.add_option("--root", root, "data folder to work in")->check(CLI::ExistingDirectory);
  cli.add_flag("--headless", options.headless, "no window, no audio device, virtual clock");
  cli.add_option("--script", options.scriptPath, "input script")->check(CLI::ExistingFile);
  auto* framesOption = cli.add_option("--frames", frames, "close after N frames");
  cli.add_option("--screenshot", screenshots, "save the picture of frame N: N:FILE.png");

  try {
    cli.parse(argc, argv);
    for (const std::string& text : screenshots) {
      ScreenshotRequest request;
      if (!ParseScreenshot(text, request)) {
        throw CLI::ValidationError("--screenshot", "expected N:FILE.png, got " + text);
      }
      options.screenshots.push_back(request);
    }
  } catch (const CLI::ParseError& error) {
    exitCode = cli.exit(error);
    if (exitCode == 0) return std::nullopt;
    exitCode = 2;
    return std::nullopt;
  }
  // The game works in its data folder; paths given here stay relative to
  // where the user started it.
  std::error_code ec;
  if (!options.scriptPath.empty()) {
    options.scriptPath = std::filesystem::absolute(options.scriptPath, ec).string();
  }
  for (ScreenshotRequest& request : options.screenshots) {
    request.file = std::filesystem::absolute(request.file, ec);
  }
  options.root = root;
  if (framesOption->count() > 0) options.frames = frames;
  return options;
}

}  // namespace vh::app
