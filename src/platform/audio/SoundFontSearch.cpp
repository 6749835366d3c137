#include "platform/audio/SoundFontSearch.h"

#include <array>

namespace vh::platform {

std::span<const std::filesystem::path> DebianSoundFontPaths() {
  static const std::array<std::filesystem::path, 4> kPaths = {
      "/usr/share/sounds/sf2/TimGM6mb.sf2",
      "/usr/share/sounds/sf2/default-GM.sf2",
      "/usr/share/sounds/sf3/default-GM.sf3",
      "/usr/share/sounds/sf2/FluidR3_GM.sf2",
  };
  return kPaths;
}

SoundFontSearch FindSoundFont(std::string_view envPaths,
                              std::span<const std::filesystem::path> defaults) {
  std::vector<std::filesystem::path> candidates;
  size_t start = 0;
  while (start <= envPaths.size()) {
    const size_t end = envPaths.find_first_of(":;", start);
    const std::string_view part =
        envPaths.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
    if (!part.empty()) candidates.emplace_back(part);
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  candidates.insert(candidates.end(), defaults.begin(), defaults.end());

  SoundFontSearch result;
  for (const auto& path : candidates) {
    result.searched.push_back(path.string());
    std::error_code ec;
    if (std::filesystem::is_regular_file(path, ec)) {
      result.found = path;
      break;
    }
  }
  return result;
}

}  // namespace vh::platform
