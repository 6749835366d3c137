// Finding the General MIDI soundfont the synthesiser plays music with: the
// paths in SDL_SOUNDFONTS first, then the places Debian installs them.
#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vh::platform {

struct SoundFontSearch {
  std::filesystem::path found;        // empty when nothing was found
  std::vector<std::string> searched;  // every path looked at, in order
};

// The Debian locations, the timgm6mb-soundfont package's file first.
std::span<const std::filesystem::path> DebianSoundFontPaths();

// `envPaths` is the value of SDL_SOUNDFONTS (paths separated by ':' or ';').
// The first existing regular file wins.
SoundFontSearch FindSoundFont(std::string_view envPaths,
                              std::span<const std::filesystem::path> defaults);

}  // namespace vh::platform
