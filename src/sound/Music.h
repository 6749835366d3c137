// Background music: one standard MIDI file at a time, looping. A request for
// the music already playing is ignored unless forced; the end of a piece
// comes back through the main loop (EventType::MusicFinished) and restarts it.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "sound/SoundSystem.h"

namespace vh::sound {

enum MusicId : int { kMusicTitle = 0, kMusicEdit = 1, kMusicStage = 2 };

// Default file of each MusicId (Windows paths). Every piece loops from its start.
inline constexpr std::array<const char*, 3> kMusicTable = {
    "midi\\Title.mid", "midi\\Edit.mid", "midi\\Stage01.mid"};

inline constexpr uintmax_t kMaxMidiFileBytes = 16u << 20;
inline constexpr int kMaxMusicSlots = 16;

// (Re)allocates the slot array, closing every open slot. The first call with
// the device enabled also starts the MIDI synthesiser; when it cannot start,
// the report says why, music stays off and the call still succeeds. With the
// device disabled nothing happens. False only for a slot count outside 1..16.
bool ResizeSound(SoundSystem& sound, int slots);

// Starts `fileName` (a Shift-JIS Windows path below the data folder) in
// `slot` as `musicId`. Returns true at once when music is off, or when
// `musicId` is the id last started and `force` is false. A file that cannot
// be opened leaves the music stopped, reports why and returns false; the next
// request is then never taken for a repeat. Pieces always start from their
// beginning: the synthesiser cannot seek, so `startPosition` must be 0.
bool PlayMusic(SoundSystem& sound, int slot, int musicId, std::string_view fileName,
               uint32_t startPosition, bool force);

// Stops the playing slot.
void StopMusic(SoundSystem& sound);

// The main loop's handler of EventType::MusicFinished (`generation` is the
// event's value): plays the current piece again from its start. Notices of
// a piece that has since been stopped or replaced are ignored.
void OnMusicFinished(SoundSystem& sound, int generation);

// Closes every slot and frees the array (shutdown).
void ReleaseMusic(SoundSystem& sound);

}  // namespace vh::sound
