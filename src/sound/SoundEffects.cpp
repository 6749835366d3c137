#include "sound/SoundEffects.h"

#include <algorithm>
#include <string>
#include <vector>

#include "platform/PathMapping.h"
#include "platform/TextEncoding.h"
#include "sound/FileBytes.h"
#include "sound/WaveReader.h"

namespace vh::sound {
namespace {

void ClearGroup(SoundSystem& sound, SoundGroup& group) {
  for (const auto id : group.buffers) sound.Device().ReleaseBuffer(id);
  group = SoundGroup{};
}

// The group with id `group`, or null (with the debug line) when out of range.
SoundGroup* GroupAt(SoundSystem& sound, int group) {
  if (group < 0 || group >= kSoundGroupCount) {
    sound.Diag().DebugLog(kOutOfRangeLine);
    return nullptr;
  }
  return &sound.groups[static_cast<size_t>(group)];
}

bool Fail(SoundSystem& sound, std::string_view name, const char* suffix, const std::string& why) {
  sound.Diag().ReportError(std::string(name) + suffix);
  if (!why.empty()) sound.Diag().Report(std::string(name) + " : " + why);
  return false;
}

}  // namespace

bool DS_Init(SoundSystem& sound, int samplesPerSec, int bitsPerSample, int channels) {
  std::string reason;
  if (!sound.Device().Open({samplesPerSec, bitsPerSample, channels}, reason)) {
    sound.deviceReady = false;
    sound.Diag().Report("Sound : no audio output (" + reason + "); the game runs silently");
    return true;
  }
  sound.deviceReady = true;
  sound.Diag().Report("Sound : " + sound.Device().Description());
  return true;
}

bool DSCreateBufferGroup(SoundSystem& sound, std::span<const SoundTableRow> table) {
  const size_t count = std::min(table.size(), sound.groups.size());
  for (size_t id = 0; id < count; ++id) {
    SoundGroup& group = sound.groups[id];
    if (!group.buffers.empty()) continue;
    const SoundTableRow& row = table[id];
    if (!DSCreateBufferGropeFromFile(sound, group, row.fileName, row.bufferCount, row.volume)) {
      sound.Diag().ReportError("DSCreateBufferGropeFromFile失敗！");
      return false;
    }
  }
  return true;
}

bool DSCreateBufferGropeFromFile(SoundSystem& sound, SoundGroup& group, std::string_view fileName,
                                 int bufferCount, int volume) {
  if (!sound.deviceReady) return true;
  ClearGroup(sound, group);
  if (bufferCount < 1 || bufferCount > kMaxBuffersPerGroup) {
    return Fail(sound, fileName, "のメモリ確保失敗！",
                "buffer count " + std::to_string(bufferCount) + " is out of range");
  }

  const auto path =
      platform::MapPath(sound.Root(), platform::Utf8ToShiftJis(std::string(fileName)));
  std::vector<uint8_t> bytes;
  WaveData wave;
  std::string why;
  if (!ReadFileBytes(path, kMaxWaveFileBytes, bytes, why) || !ReadWave(bytes, wave, why)) {
    return Fail(sound, fileName, "読み込み失敗！", why);
  }
  bytes.clear();

  platform::AudioDevice& device = sound.Device();
  const platform::AudioBufferId first = device.CreateBuffer(wave.format, wave.samples, why);
  if (first == platform::kNoAudioBuffer) return Fail(sound, fileName, "生成失敗！", why);
  std::vector<platform::AudioBufferId> buffers{first};
  while (static_cast<int>(buffers.size()) < bufferCount) {
    const platform::AudioBufferId copy = device.DuplicateBuffer(first, why);
    if (copy == platform::kNoAudioBuffer) {
      for (const auto id : buffers) device.ReleaseBuffer(id);
      return Fail(sound, fileName, "のメモリ共用バッファの生成失敗！", why);
    }
    buffers.push_back(copy);
  }

  group.name = fileName;
  group.buffers = std::move(buffers);
  const int clamped = std::clamp(volume, -10000, 0);
  group.volumes.assign(group.buffers.size(), clamped);
  group.nextBuffer = 0;
  if (clamped != 0) {
    for (const auto id : group.buffers) device.SetBufferVolume(id, clamped);
  }
  return true;
}

void PlaySound(SoundSystem& sound, int group, uint32_t flags) {
  sound.NotePlay(group);
  if (!sound.deviceReady) return;
  SoundGroup* entry = GroupAt(sound, group);
  if (entry == nullptr || entry->buffers.empty()) return;
  const int count = static_cast<int>(entry->buffers.size());
  const int k = std::clamp(entry->nextBuffer, 0, count - 1);
  sound.Device().PlayBuffer(entry->buffers[static_cast<size_t>(k)], flags);
  entry->nextBuffer = (k + 1) % count;
}

void SetSoundVolume(SoundSystem& sound, int group, int bufferIndex, int volume, bool relative) {
  if (!sound.deviceReady) return;
  SoundGroup* entry = GroupAt(sound, group);
  if (entry == nullptr) return;
  if (bufferIndex < 0 || bufferIndex >= static_cast<int>(entry->buffers.size())) {
    sound.Diag().DebugLog(kOutOfRangeLine);
    return;
  }
  const size_t index = static_cast<size_t>(bufferIndex);
  const long long wanted = static_cast<long long>(volume) + (relative ? entry->volumes[index] : 0);
  const int clamped = static_cast<int>(std::clamp<long long>(wanted, -10000, 0));
  entry->volumes[index] = clamped;
  sound.Device().SetBufferVolume(entry->buffers[index], clamped);
}

void ReleaseSound(SoundSystem& sound) {
  for (auto& group : sound.groups) ClearGroup(sound, group);
  sound.deviceReady = false;
  CloseDeviceIfUnused(sound);
}

}  // namespace vh::sound
