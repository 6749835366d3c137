// Finding the newest of several numbered versions of one stage file, and the
// stage series of user stages ("name-1", "name-2", ...).
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

namespace vh::stage {

// The names tried for a base path, in order: the base with its extension
// replaced by "stg3p" and three digits from 999 down to 000, then by "stg3_"
// and 299 down to 000.
std::vector<std::filesystem::path> NumberedStageCandidates(const std::filesystem::path& base);

// Tries every existing candidate with tryLoad until one loads; returns the
// path that loaded. A file that exists but does not load is passed over.
std::optional<std::filesystem::path> FindNumberedStageFile(
    const std::filesystem::path& base, const std::function<bool(const std::filesystem::path&)>& tryLoad);

// When path names the first stage of a series (the name before the
// extension ends in "-1"), the base path of stage k + 1 ("name-<k+1>.stg3p");
// none otherwise or when k is not in 1..9.
std::optional<std::filesystem::path> SeriesStageBase(const std::filesystem::path& firstStage, int clearedStage);

}  // namespace vh::stage
