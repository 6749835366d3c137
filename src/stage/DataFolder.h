// Where the user files live. Paths stored inside files are relative Windows
// paths in Shift-JIS; the application resolves them through the platform's
// path mapping, and without one they are taken as they are under the root.
#pragma once

#include <filesystem>
#include <functional>
#include <string_view>

namespace vh::stage {

struct DataFolder {
  std::filesystem::path root = ".";
  std::function<std::filesystem::path(std::string_view storedPath)> resolve;

  std::filesystem::path Resolve(std::string_view storedPath) const {
    if (resolve) return resolve(storedPath);
    std::string relative(storedPath);
    for (char& c : relative)
      if (c == '\\') c = '/';
    return root / relative;
  }

  std::filesystem::path UserData() const { return root / "user_data"; }
  std::filesystem::path ConstructionFile() const { return UserData() / "Construction.cnst3p"; }
  std::filesystem::path EditConfigFile() const { return UserData() / "EditConfig.edt3p"; }
  std::filesystem::path RecordFile() const { return UserData() / "Record.rec"; }
  std::filesystem::path StageFolder() const { return UserData() / "stg3"; }
  std::filesystem::path ReplayFolder() const { return UserData() / "rpl3"; }
  std::filesystem::path PaletteFolder() const { return UserData() / "plt3"; }
};

}  // namespace vh::stage
