#include "stage/StageFileParts.h"

#include "stage/FileIo.h"
#include "stage/Messages.h"

#include <algorithm>
#include <cmath>
#include <new>

namespace vh::stage {

namespace {

constexpr int kMaxHitTestLevel = 100;
constexpr int kMaxFrameRate = 1000;

std::string Number(int value) { return std::to_string(value); }

}  // namespace

void TerminateText(char* text, std::size_t size) {
  if (size > 0 && std::find(text, text + size, '\0') == text + size) text[size - 1] = '\0';
}

bool CheckStageSettings(ByteReader& in, StageSettings& s) {
  const int shift = ShiftOfWidth(s.widthChips);
  if (s.widthChips < kMinWidthChips || s.widthChips > kMaxWidthChips || shift < 0)
    return in.Fail("width " + Number(s.widthChips) + " chips is not a power of two in 32..512");
  if (s.widthShift != shift)
    return in.Fail("width shift " + Number(s.widthShift) + " does not match the width " + Number(s.widthChips));
  if (s.heightChips < kMinHeightChips || s.heightChips > kMaxHeightChips)
    return in.Fail("height " + Number(s.heightChips) + " chips is outside 15..512");
  if (s.widthPixels != s.widthChips * kChipPixels || s.heightPixels != s.heightChips * kChipPixels)
    return in.Fail("the size in pixels does not match the size in chips");
  if (s.backgroundIndex < 0 || s.backgroundIndex >= kBackgroundCount)
    return in.Fail("background " + Number(s.backgroundIndex) + " is outside 0..9");
  if (s.hitTestLevel < 1 || s.hitTestLevel > kMaxHitTestLevel)
    return in.Fail("hit-test level " + Number(s.hitTestLevel) + " is outside 1..100");
  if (s.frameRate < 1 || s.frameRate > kMaxFrameRate)
    return in.Fail("frame rate " + Number(s.frameRate) + " is outside 1..1000");
  if (!std::isfinite(s.gravity)) return in.Fail("gravity is not a number");
  TerminateText(s.bgmPath, sizeof s.bgmPath);
  return true;
}

bool ReadInputLogTail(ByteReader& in, std::optional<std::vector<int32_t>>& log) {
  log.reset();
  if (in.Remaining() == 0) return true;
  int32_t count = 0;
  if (!in.I32(count, "the replay record count")) return false;
  if (count < 0 || static_cast<std::size_t>(count) * sizeof(int32_t) != in.Remaining())
    return in.Fail("replay record count " + std::to_string(count) + " does not match the file's length");
  std::vector<int32_t> records(static_cast<std::size_t>(count));
  if (!in.Bytes(records.data(), records.size() * sizeof(int32_t), "the replay records")) return false;
  log = std::move(records);
  return true;
}

LoadResult ReadAndParse(const std::filesystem::path& path, std::size_t maxBytes, const std::atomic<bool>* cancel,
                        const ParseBytes& parse) {
  const std::string shown = path.string();
  try {
    const FileBytes file = ReadWholeFile(path, maxBytes);
    if (file.status == ReadStatus::CannotOpen) return LoadFailure(LoadStatus::CannotOpen);
    if (file.status != ReadStatus::Ok)
      return LoadFailure(LoadStatus::Damaged, DamagedFileMessage(shown, ReadFailureDetail(file.status)));
    std::string error;
    if (!parse(file.bytes, error)) {
      if (cancel != nullptr && cancel->load()) return LoadFailure(LoadStatus::Interrupted);
      return LoadFailure(LoadStatus::Damaged, DamagedFileMessage(shown, error));
    }
  } catch (const std::bad_alloc&) {
    return LoadFailure(LoadStatus::OutOfMemory, std::string(kLoadOutOfMemoryMessage), true);
  }
  return {};
}

}  // namespace vh::stage
