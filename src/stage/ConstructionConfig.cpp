#include "stage/ConstructionConfig.h"

#include <cstring>

#include "stage/FileIo.h"
#include "stage/FileVersion.h"

namespace vh::stage {

ConstructionConfig DefaultConstructionConfig() {
  ConstructionConfig c;
  std::memset(&c, 0, sizeof c);
  c.musicEnabled = 1;
  c.normalWorldsEntry = c.hellStagesEntry = c.userStagesEntry = 1;
  c.worldCount = 4;
  c.hellCount = 8;
  c.livesNormal = c.livesHell = c.livesUser = 3;
  c.frameRate = 60;
  return c;
}

int FrameRateTarget(const ConstructionConfig& config) {
  return config.fixedFrameRate != 0 ? config.frameRate : 60;
}

bool ParseConstructionConfig(std::span<const uint8_t> bytes, ConstructionConfig& out) {
  if (bytes.size() < kFileVersionBytes + sizeof(ConstructionConfig)) return false;
  ConstructionConfig c;
  std::memcpy(&c, bytes.data() + kFileVersionBytes, sizeof c);
  if (c.frameRate == 0) c.frameRate = 60;
  if (c.worldCount < 0 || c.worldCount > kMaxWorlds || c.hellCount < 0 || c.hellCount > kMaxWorlds ||
      c.frameRate < 1)
    return false;
  out = c;
  return true;
}

UserFileStatus ReadConstructionConfig(const std::filesystem::path& path, ConstructionConfig& config) {
  config = DefaultConstructionConfig();
  const FileBytes file = ReadWholeFile(path, 1024);
  if (file.status == ReadStatus::CannotOpen) return UserFileStatus::Missing;
  if (file.status != ReadStatus::Ok || !ParseConstructionConfig(file.bytes, config))
    return UserFileStatus::Damaged;
  return UserFileStatus::Loaded;
}

}  // namespace vh::stage
