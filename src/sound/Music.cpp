#include "sound/Music.h"

#include <string>
#include <vector>

#include "platform/PathMapping.h"
#include "platform/TextEncoding.h"
#include "sound/FileBytes.h"
#include "sound/MidiReader.h"

namespace vh::sound {
namespace {

void CloseSlots(SoundSystem& sound) {
  sound.Device().StopMusic();
  sound.Device().CloseMusic();
  for (auto& slot : sound.music.slots) slot.open = false;
  sound.music.playingSlot = -1;
}

bool Failed(SoundSystem& sound, std::string_view fileName, const std::string& why) {
  sound.music.lastMusicId = -1;
  sound.Diag().Report("Music : cannot play " + platform::ShiftJisToUtf8(fileName) + " (" + why +
                      ")");
  return false;
}

}  // namespace

bool ResizeSound(SoundSystem& sound, int slots) {
  MusicDevice& music = sound.music;
  if (!music.enabled) return true;
  if (slots < 1 || slots > kMaxMusicSlots) return false;
  if (!music.playerStarted) {
    std::vector<std::string> lines;
    const bool started = sound.Device().StartMusicPlayer(lines);
    for (const auto& line : lines) sound.Diag().Report(line);
    if (!started) {
      music.enabled = false;
      return true;
    }
    music.playerStarted = true;
  }
  CloseSlots(sound);
  music.slots.assign(static_cast<size_t>(slots), MusicSlot{});
  music.lastMusicId = -1;
  return true;
}

bool PlayMusic(SoundSystem& sound, int slot, int musicId, std::string_view fileName,
               uint32_t startPosition, bool force) {
  MusicDevice& music = sound.music;
  if (!music.enabled || (musicId == music.lastMusicId && !force)) return true;
  if (slot < 0 || slot >= static_cast<int>(music.slots.size())) {
    return Failed(sound, fileName, "no music slot " + std::to_string(slot));
  }
  if (startPosition != 0) {
    return Failed(sound, fileName, "a piece can only start from its beginning");
  }

  CloseSlots(sound);
  MusicSlot& target = music.slots[static_cast<size_t>(slot)];
  target.fileName = fileName;

  std::vector<uint8_t> bytes;
  MidiInfo info;
  std::string why;
  const auto path = platform::MapPath(sound.Root(), fileName);
  if (!ReadFileBytes(path, kMaxMidiFileBytes, bytes, why) || !ReadMidiInfo(bytes, info, why) ||
      !sound.Device().OpenMusic(std::move(bytes), info.lengthMs, why)) {
    return Failed(sound, fileName, why);
  }
  target.open = true;
  if (!sound.Device().PlayMusic(why)) {
    CloseSlots(sound);
    return Failed(sound, fileName, why);
  }
  music.playingSlot = slot;
  music.lastMusicId = musicId;
  return true;
}

void StopMusic(SoundSystem& sound) {
  if (sound.music.playingSlot < 0) return;
  sound.Device().StopMusic();
  sound.music.playingSlot = -1;
}

void OnMusicFinished(SoundSystem& sound, int generation) {
  MusicDevice& music = sound.music;
  if (!music.enabled || music.playingSlot < 0) return;
  if (generation != sound.Device().MusicGeneration()) return;
  std::string why;
  if (!sound.Device().PlayMusic(why)) {
    const std::string name = music.slots[static_cast<size_t>(music.playingSlot)].fileName;
    CloseSlots(sound);
    Failed(sound, name, why);
  }
}

void ReleaseMusic(SoundSystem& sound) {
  CloseSlots(sound);
  sound.music.slots.clear();
  sound.music.lastMusicId = -1;
  CloseDeviceIfUnused(sound);
}

}  // namespace vh::sound
