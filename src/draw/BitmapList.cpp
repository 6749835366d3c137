#include "draw/BitmapList.h"

namespace vh::draw {
namespace {

BitmapListEntry File(const char* name, int colorKey) {
  BitmapListEntry e;
  e.fileName = name;
  e.colorKey = colorKey;
  return e;
}

// A second slot showing the picture of `base`: from system memory and/or
// mirrored in 32-pixel cells.
BitmapListEntry Variant(const char* name, int base, int systemMemory, int mirror) {
  BitmapListEntry e = File(name, 1);
  e.variant = 1;
  e.baseSlot = base;
  e.systemMemory = systemMemory;
  e.mirrorCellWidth = mirror;
  return e;
}

BitmapListEntry Empty() {
  BitmapListEntry e = File("E", 1);
  e.memoryType = kMemoryTypeVideoNoRt;
  return e;
}

}  // namespace

BitmapList MakeBitmapList() {
  const char* c1 = "bmp\\Character1.bmp";
  const char* c2 = "bmp\\Character2.bmp";
  const char* c3 = "bmp\\Character3.bmp";
  const char* c4 = "bmp\\Character4.bmp";
  BitmapList list = {
      File("bmp\\Palette.bmp", 0),         // 0: palette and transmit colour
      File("bmp\\Debug.bmp", 1),           // 1: debug font
      File("bmp\\Font32.bmp", 1),          // 2
      File("bmp\\Font16.bmp", 1),          // 3
      File("bmp\\Font10.bmp", 1),          // 4
      File("bmp\\Block.bmp", 1),           // 5
      File(c1, 1),                         // 6
      Variant(c1, 6, 0, 32),               // 7
      File(c2, 1),                         // 8
      Variant(c2, 8, 0, 32),               // 9
      File(c3, 1),                         // 10
      Variant(c3, 10, 0, 32),              // 11
      File(c4, 1),                         // 12
      Variant(c4, 12, 0, 32),              // 13
      File("bmp\\Shot.bmp", 1),            // 14
      Variant(c1, 6, 1, 0),                // 15
      Variant(c1, 6, 1, 32),               // 16
      Variant(c2, 8, 1, 0),                // 17
      Variant(c2, 8, 1, 32),               // 18
      Variant(c3, 10, 1, 0),               // 19
      Variant(c3, 10, 1, 32),              // 20
      Variant(c4, 12, 1, 0),               // 21
      Variant(c4, 12, 1, 32),              // 22
      Variant("bmp\\Shot.bmp", 14, 1, 0),  // 23
      File("bmp\\Item.bmp", 1),            // 24
      Variant("bmp\\Item.bmp", 24, 1, 0),  // 25
      File("bmp\\Accessory.bmp", 1),       // 26
      File("bmp\\Window.bmp", 0),          // 27
      File("bmp\\Title.bmp", 0),           // 28
      File("bmp\\FontSP.bmp", 1),          // 29
      File("bmp\\Back_Way.bmp", 0),        // 30
      Empty(),                             // 31
      Empty(),                             // 32
  };
  list[30].systemMemory = 1;
  return list;
}

}  // namespace vh::draw
