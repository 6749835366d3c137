#include "stage/NumberedStageFile.h"

#include <cstdio>
#include <string>
#include <system_error>

#include "stage/FileVersion.h"

namespace vh::stage {

namespace {

// The base with everything after the last dot of its file name removed (the
// dot kept); a name without a dot gets one.
std::string StemWithDot(const std::filesystem::path& base) {
  std::string name = base.filename().string();
  const auto dot = name.rfind('.');
  name = dot == std::string::npos ? name + "." : name.substr(0, dot + 1);
  return (base.parent_path() / name).string();
}

void AddNumbered(std::vector<std::filesystem::path>& out, const std::string& prefix, int highest) {
  for (int n = highest; n >= 0; --n) {
    char digits[4];
    std::snprintf(digits, sizeof digits, "%d%d%d", n / 100, n / 10 % 10, n % 10);
    out.emplace_back(prefix + digits);
  }
}

}  // namespace

std::vector<std::filesystem::path> NumberedStageCandidates(const std::filesystem::path& base) {
  const std::string stem = StemWithDot(base);
  std::vector<std::filesystem::path> out;
  out.reserve(1300);
  AddNumbered(out, stem + "stg3p", 999);
  AddNumbered(out, stem + std::string(kOlderStagePrefix), 299);
  return out;
}

std::optional<std::filesystem::path> FindNumberedStageFile(
    const std::filesystem::path& base, const std::function<bool(const std::filesystem::path&)>& tryLoad) {
  for (const std::filesystem::path& candidate : NumberedStageCandidates(base)) {
    std::error_code ec;
    if (std::filesystem::is_regular_file(candidate, ec) && tryLoad(candidate)) return candidate;
  }
  return std::nullopt;
}

std::optional<std::filesystem::path> SeriesStageBase(const std::filesystem::path& firstStage, int clearedStage) {
  if (clearedStage < 1 || clearedStage >= 10) return std::nullopt;
  const std::string stem = firstStage.stem().string();
  if (stem.size() < 2 || !stem.ends_with("-1")) return std::nullopt;
  const std::string name = stem.substr(0, stem.size() - 2) + "-" + std::to_string(clearedStage + 1) + ".stg3p";
  return firstStage.parent_path() / name;
}

}  // namespace vh::stage
