// A small older-generation stage file built byte by byte from its layout: 16
// chips wide, 21 rows, a player, two enemies with actions, an item with a
// message, a palette with a named picture, and a two-record replay tail.
#pragma once

#include <initializer_list>
#include <string_view>

#include "StageTestSupport.h"

namespace vh::stage::test {

// Older action bytes: 0 type, 1 key, 3 timing, 6 hpCost, 7 graphic, 10
// impact, 13 speed, 19 clone speed, 20..23 not carried over.
struct OlderAction {
  int32_t slot;
  uint8_t type, impact;
};

inline void OlderActions(ByteBuilder& b, std::initializer_list<OlderAction> actions) {
  b.I32(static_cast<int32_t>(actions.size()));
  for (const OlderAction& a : actions) {
    uint8_t bytes[24] = {};
    bytes[0] = a.type;
    bytes[3] = 5;
    bytes[6] = 1;
    bytes[7] = 2;
    bytes[10] = a.impact;
    bytes[13] = 3;
    bytes[19] = 4;
    bytes[20] = bytes[21] = bytes[22] = bytes[23] = 0xEE;
    b.I32(a.slot).Raw(bytes, sizeof bytes);
  }
}

// Older character: 21 bytes (1 graphic, 4 group, 9 hp, 20 clone range).
inline void OlderChar(ByteBuilder& b, uint8_t graphic, uint8_t group, uint8_t cloneRange,
                      std::initializer_list<OlderAction> actions) {
  uint8_t fixed[21] = {};
  fixed[1] = graphic;
  fixed[4] = group;
  fixed[9] = 10;
  fixed[20] = cloneRange;
  b.Raw(fixed, sizeof fixed);
  OlderActions(b, actions);
}

// Older item: 26 bytes (0 graphic, 16..19 message length, 24 pause, 25
// sound), the length again, the message, the actions.
inline void OlderItem(ByteBuilder& b, uint8_t graphic, std::string_view message, uint8_t pause,
                      uint8_t sound) {
  uint8_t fixed[26] = {};
  fixed[0] = graphic;
  fixed[16] = static_cast<uint8_t>(message.size());
  fixed[24] = pause;
  fixed[25] = sound;
  b.Raw(fixed, sizeof fixed).I32(static_cast<int32_t>(message.size())).Text(message);
  OlderActions(b, {});
}

inline std::vector<uint8_t> BuildOlderStageFile() {
  constexpr int kWidth = 16;
  constexpr int kRows = 21;
  ByteBuilder b;
  b.Text(std::string_view("120\0", 4));
  // Names: the character picture 2 is called "old"; the conversion drops it.
  b.Zeros(65 * 32);
  b.Zeros(2 * 32).Text("old").Zeros(29).Zeros(62 * 32);
  b.Zeros(65 * 32);
  // Palette blocks: entry 1 ignores no faction (older 0), entry 2 faction 2.
  for (int i = 0; i < 65; ++i) {
    uint8_t block[16] = {};
    block[0] = static_cast<uint8_t>(i == 0 ? 0 : 1);
    block[3] = static_cast<uint8_t>(i == 2 ? 2 : 0);
    b.Raw(block, sizeof block);
  }
  for (int i = 0; i < 65; ++i) {
    if (i == 2)
      OlderChar(b, 2, 5, 0, {{0, 6, 15}});
    else
      OlderChar(b, static_cast<uint8_t>(i == 0 ? 0 : 1), 0, 0, {});
  }
  for (int i = 0; i < 65; ++i) OlderItem(b, static_cast<uint8_t>(i == 3 ? 3 : 0), i == 3 ? std::string_view("HI\0", 3) : "", 0, 0);

  // Settings: background 2, 16 chips (shift 4, 512 pixels), time 200, flags
  // 5, auto-scroll 10, music path, frame rate 0 (read as 60).
  b.I32(2).I32(kWidth * 32).I32(kWidth).I32(4).I32(200).I32(5).I32(10);
  const std::string_view music = "midi\\a.mid";
  b.Text(music).Zeros(260 - music.size());
  b.I32(0).Zeros(12);

  // Blocks: the bottom row is ground; cell (3, 4) carries bytes 8..15.
  for (int y = 0; y < kRows; ++y)
    for (int x = 0; x < kWidth; ++x) {
      uint8_t block[16] = {};
      if (y == kRows - 1) block[0] = 1;
      if (x == 3 && y == 4) {
        block[0] = 5;
        block[3] = 1;
        for (int k = 8; k < 12; ++k) block[k] = 9;
        for (int k = 12; k < 16; ++k) block[k] = 7;
      }
      b.Raw(block, sizeof block);
    }

  b.I32(3);
  b.U16(2).U16(19);
  OlderChar(b, 1, 0, 0, {});
  b.U16(5).U16(10);
  OlderChar(b, 3, 5, 4, {{1, 6, 15}, {4, 4, 15}});
  b.U16(7).U16(10);
  OlderChar(b, 3, 32, 0, {{0, 3, 15}, {11, 5, 15}});

  b.I32(1);
  b.U16(8).U16(3);
  OlderItem(b, 4, std::string_view("ABC\0", 4), 1, 2);

  b.I32(2).I32(7).I32(9);
  return b.bytes();
}

}  // namespace vh::stage::test
