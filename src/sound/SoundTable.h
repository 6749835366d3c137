// The 31 sound-effect groups: their ids, the files they are loaded from, and
// the mapping of an item's sound setting to a group.
#pragma once

#include <array>

namespace vh::sound {

inline constexpr int kSoundGroupCount = 31;

enum SoundId : int {
  kSoundCursor = 0,
  kSoundDecide = 1,
  kSoundCancel = 2,
  kSoundError = 3,
  kSoundClear = 4,
  kSoundCount = 5,
  kSoundSword = 6,
  kSoundJump = 7,
  kSoundScream = 8,
  kSoundDamage = 9,
  kSoundDefeat = 10,
  kSoundShot = 11,
  kSoundFire = 12,
  kSoundLight = 13,
  kSoundWind = 14,
  kSoundThunder = 15,
  kSoundDark = 16,
  kSoundVanish = 17,
  kSoundWarCry = 18,
  kSoundUp = 19,
  kSoundUp2 = 20,
  kSoundDown = 21,
  kSoundDown2 = 22,
  kSoundHeal = 23,
  kSoundGem = 24,
  kSoundGem2 = 25,
  kSoundSwitch = 26,
  kSoundMessage = 27,
  kSoundEquip = 28,
  kSoundEquip2 = 29,
  kSoundScroll = 30,
};

struct SoundTableRow {
  const char* fileName;  // Windows path, UTF-8 ("wave\\決定.wav")
  int bufferCount;
  int volume;  // hundredths of a decibel, 0 = full
};

extern const std::array<SoundTableRow, kSoundGroupCount> kSoundTable;

// An item's sound setting (0..16) to the group it plays; -1 for 0 (nothing)
// and for settings outside the table.
int ItemSoundId(int setting);

}  // namespace vh::sound
