#include "stage/RecordTable.h"

#include <algorithm>
#include <cstring>

#include "stage/ByteIo.h"
#include "stage/FileVersion.h"

namespace vh::stage {

namespace {

bool ValidNumber(int n) { return n >= 1 && n <= kMaxWorlds; }

bool Finish(int32_t (&cleared)[kMaxWorlds], int32_t& progress, int n, int count) {
  if (!ValidNumber(n)) return false;
  const int32_t before = progress;
  const int32_t flag = cleared[n - 1];
  cleared[n - 1] = 1;
  // Never lower the progress, never raise it above the count.
  if (n + 1 > progress) progress = std::min(n + 1, std::max(count, static_cast<int>(progress)));
  return flag != 1 || progress != before;
}

bool KeepBest(int32_t (&best)[kMaxWorlds], int n, int32_t value) {
  if (!ValidNumber(n) || value < best[n - 1]) return false;
  const bool changed = value != best[n - 1];
  best[n - 1] = value;
  return changed;
}

}  // namespace

RecordTable EmptyRecordTable() {
  RecordTable table;
  std::memset(&table, 0, sizeof table);
  return table;
}

bool ParseRecordTable(std::span<const uint8_t> bytes, RecordTable& out) {
  if (bytes.size() < kFileVersionBytes + sizeof(RecordTable)) return false;
  RecordTable table;
  std::memcpy(&table, bytes.data() + kFileVersionBytes, sizeof table);
  if (table.worldProgress < 0 || table.worldProgress > kMaxWorlds || table.hellProgress < 0 ||
      table.hellProgress > kMaxWorlds)
    return false;
  out = table;
  return true;
}

UserFileStatus ReadRecordTable(const std::filesystem::path& path, RecordTable& table) {
  table = EmptyRecordTable();
  const FileBytes file = ReadWholeFile(path, 64 * 1024);
  if (file.status == ReadStatus::CannotOpen) return UserFileStatus::Missing;
  if (file.status != ReadStatus::Ok || !ParseRecordTable(file.bytes, table)) return UserFileStatus::Damaged;
  return UserFileStatus::Loaded;
}

SaveResult WriteRecordTable(const std::filesystem::path& path, const RecordTable& table,
                            const WriteOptions& options) {
  ByteWriter out;
  out.Bytes(kFileVersionImage, kFileVersionBytes);
  out.Bytes(&table, sizeof table);
  return WriteFileReplacing(path, out.Data(), options);
}

bool FinishNormalWorld(RecordTable& table, int world, const ConstructionConfig& config) {
  return Finish(table.worldCleared, table.worldProgress, world, config.worldCount);
}

bool FinishHellStage(RecordTable& table, int stage, const ConstructionConfig& config) {
  return Finish(table.hellCleared, table.hellProgress, stage, config.hellCount);
}

bool RecordWorldScore(RecordTable& table, int world, int32_t score) {
  return KeepBest(table.bestScore, world, score);
}

bool RecordHellClearRate(RecordTable& table, int stage, int32_t clearRate) {
  return KeepBest(table.bestClearRate, stage, clearRate);
}

void ApplyOpenAllSwitches(RecordTable& table, const ConstructionConfig& config) {
  if (config.openAllWorlds != 0) table.worldProgress = config.worldCount;
  if (config.openAllHellStages != 0) table.hellProgress = config.hellCount;
}

std::filesystem::path ClearMarkPath(const std::filesystem::path& stagePath) {
  std::filesystem::path path = stagePath;
  path.replace_extension("erc");
  return path;
}

bool ParseClearMark(std::span<const uint8_t> bytes, int32_t& bestScore) {
  if (bytes.size() != sizeof(int32_t)) return false;
  std::memcpy(&bestScore, bytes.data(), sizeof bestScore);
  return true;
}

int32_t ReadClearMark(const std::filesystem::path& stagePath) {
  const FileBytes file = ReadWholeFile(ClearMarkPath(stagePath), 64);
  int32_t best = 0;
  if (file.status != ReadStatus::Ok || !ParseClearMark(file.bytes, best)) return 0;
  return best;
}

SaveResult UpdateClearMark(const std::filesystem::path& stagePath, int32_t score, const WriteOptions& options) {
  if (score < ReadClearMark(stagePath)) return {};
  ByteWriter out;
  out.I32(score);
  return WriteFileReplacing(ClearMarkPath(stagePath), out.Data(), options);
}

}  // namespace vh::stage
