// Sound effects: the output device, loading the groups from WAV files and
// playing them by id. Without an output every call is a silent no-op.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "sound/SoundSystem.h"
#include "sound/SoundTable.h"

namespace vh::sound {

// Largest WAV file accepted, and most buffers one group may hold.
inline constexpr uintmax_t kMaxWaveFileBytes = 64u << 20;
inline constexpr int kMaxBuffersPerGroup = 64;

// Opens the output at the given format where the hardware allows it. Without
// an audio output it writes why to the report and returns true: the game then
// runs silently.
bool DS_Init(SoundSystem& sound, int samplesPerSec, int bitsPerSample, int channels);

// Loads every group of `table` that has no buffers yet, in order; stops at the
// first failure ("DSCreateBufferGropeFromFile失敗！").
bool DSCreateBufferGroup(SoundSystem& sound, std::span<const SoundTableRow> table = kSoundTable);

// Loads one group from `fileName` (a UTF-8 Windows path below the data folder)
// with `bufferCount` buffers at `volume`. A failure reports the file name and
// leaves the group empty.
bool DSCreateBufferGropeFromFile(SoundSystem& sound, SoundGroup& group, std::string_view fileName,
                                 int bufferCount, int volume);

// Restarts the group's next buffer from its beginning (flags: platform::kPlayLooping).
void PlaySound(SoundSystem& sound, int group, uint32_t flags = 0);

// Sets one buffer's volume in hundredths of a decibel; `relative` adds it to
// the current one. The result is clamped to -10000..0.
void SetSoundVolume(SoundSystem& sound, int group, int bufferIndex, int volume, bool relative);

// Releases every group; effects are silent afterwards.
void ReleaseSound(SoundSystem& sound);

}  // namespace vh::sound
