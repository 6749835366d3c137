// Which file and which options each bitmap id has. The list is fixed: the
// ids are the slots of the SurfaceTable.
#pragma once

#include <array>
#include <string>

namespace vh::draw {

inline constexpr int kSlotCount = 33;

// Memory types of a slot's surface (what the accelerated back end would ask
// for; recorded for the report and the tools).
inline constexpr int kMemoryTypeVideoRt = 0;
inline constexpr int kMemoryTypeSystem = 1;
inline constexpr int kMemoryTypeVideoNoRt = 2;

struct BitmapListEntry {
  std::string fileName;  // Windows path below the data folder; "E" = empty surface
  int colorKey = 0;      // 1 = the transmit colour is transparent
  int systemMemory = 0;
  int memoryType = kMemoryTypeVideoRt;
  int variant = 0;        // 1 = the same picture as baseSlot, possibly mirrored
  int transmitTable = 0;  // 0 in every entry
  int optional = 0;       // 1 = a failure to load is not an error
  int mirrorCellWidth = 0;
  int mirrorCellHeight = 0;
  int width = 0;  // size of an empty surface
  int height = 0;
  int baseSlot = -1;
};

using BitmapList = std::array<BitmapListEntry, kSlotCount>;

// Bitmap ids used by name elsewhere.
enum BitmapId : int {
  kBmpPalette = 0,
  kBmpDebug = 1,
  kBmpFont32 = 2,
  kBmpFont16 = 3,
  kBmpFont10 = 4,
  kBmpBlock = 5,
  kBmpCharacter1 = 6,
  kBmpCharacter1Mirror = 7,
  kBmpCharacter2 = 8,
  kBmpCharacter2Mirror = 9,
  kBmpCharacter3 = 10,
  kBmpCharacter3Mirror = 11,
  kBmpCharacter4 = 12,
  kBmpCharacter4Mirror = 13,
  kBmpShot = 14,
  kBmpItem = 24,
  kBmpItemSystem = 25,
  kBmpAccessory = 26,
  kBmpWindow = 27,
  kBmpTitle = 28,
  kBmpFontSP = 29,
  kBmpBackWay = 30,
  kBmpWork1 = 31,
  kBmpWork2 = 32,
};

BitmapList MakeBitmapList();

}  // namespace vh::draw
