// The definition records that a palette entry and a map cell are made of. They
// are raw little-endian images: their byte offsets are those of the files, so
// readers and writers copy them as they are.
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

namespace vh::stage {

static_assert(std::endian::native == std::endian::little,
              "records are stored as little-endian images");

inline constexpr int kActionSlotCount = 12;
inline constexpr int kBlockParamCount = 8;
inline constexpr int kRecordParamCount = 23;  // characters and items
inline constexpr int kActionParamCount = 25;

// A character's kind byte.
enum CharKind : int8_t { kCharNone = 0, kCharPlayer = 1, kCharEnemy = 2 };

struct BlockDef {
  int8_t graphic;           // 0 = no block
  int8_t appearFlag;
  int8_t hitType;
  int8_t ignoreFaction;
  int8_t transparent;
  int8_t drawOrder;
  int8_t blockAction;
  int8_t blockActionValue;
  uint8_t reserved[8];      // no parameter; the game keeps its appearance mask in 8..11

  friend bool operator==(const BlockDef&, const BlockDef&) = default;
};

struct ActionDef {
  int8_t actionType;        // 0
  int8_t useKey;            // 1
  int8_t territory;         // 2
  int8_t timing;            // 3
  int8_t useInterval;       // 4
  int8_t useDuration;       // 5
  uint8_t hpCost;           // 6
  uint8_t reserved7[3];     // 7..9
  int8_t graphic;           // 10
  int8_t giantScale;        // 11
  uint8_t damage;           // 12
  int8_t impact;            // 13
  int8_t moveType;          // 14
  int8_t pierce;            // 15
  int8_t speed;             // 16
  int8_t count;             // 17
  int8_t formation;         // 18
  int8_t formationValue;    // 19
  int8_t direction;         // 20
  int8_t cloneCount;        // 21
  int8_t cloneSpeed;        // 22
  uint8_t reserved23[2];    // 23..24
  int8_t maxSpeed;          // 25
  int8_t faction;           // 26
  int8_t pickupItem;        // 27
  int8_t pierceChars;       // 28
  int8_t reach;             // 29

  friend bool operator==(const ActionDef&, const ActionDef&) = default;
};

struct CharDef {
  int8_t kind;              // 0 (CharKind)
  int8_t graphic;           // 1; 0 = no character
  int8_t facing;            // 2
  int8_t appearFlag;        // 3
  int8_t group;             // 4
  int8_t becomesBlock;      // 5
  int8_t giantScale;        // 6
  int8_t transparent;       // 7
  int8_t drawOrder;         // 8
  uint8_t hp;               // 9
  uint8_t damage;           // 10
  int8_t territory;         // 11
  int8_t moveType;          // 12
  int8_t flight;            // 13
  int8_t speed;             // 14
  int8_t subSpeed;          // 15
  int8_t moveRange;         // 16
  uint8_t reserved17;       // 17
  int8_t cloneCount;        // 18
  int8_t cloneSpeed;        // 19
  int8_t cloneRange;        // 20
  int8_t inertiaType;       // 21
  int8_t friction;          // 22
  int8_t maxSpeed;          // 23
  int8_t faction;           // 24
  uint8_t reserved25;       // 25
  int8_t impact;            // 26
  uint8_t reserved27[6];    // 27..32
  ActionDef actions[kActionSlotCount];  // 33..392
  uint8_t padding[3];       // 393..395

  friend bool operator==(const CharDef&, const CharDef&) = default;
};

// The message text itself is held next to the record by its owner (a palette
// entry or a map cell); messageLength always equals that text's size.
struct ItemDef {
  int8_t graphic;           // 0; 0 = no item
  int8_t appearFlag;        // 1
  int8_t pickup;            // 2
  int8_t transparent;       // 3
  int8_t stageClear;        // 4
  int8_t score;             // 5
  int8_t flagOp;            // 6
  int8_t flagNumber;        // 7
  int8_t timeChange;        // 8
  int8_t warpX;             // 9
  int8_t warpY;             // 10
  int8_t giantScale;        // 11
  int8_t hpChangePercent;   // 12
  int8_t flight;            // 13
  int8_t speed;             // 14
  int8_t scrollX;           // 15
  int32_t messageLength;    // 16: bytes of the message including its NUL
  uint32_t messageText;     // 20: the pointer slot of the file image; always 0 in memory
  int8_t messagePause;      // 24
  int8_t effectSound;       // 25
  int8_t damage;            // 26
  int8_t impact;            // 27
  int8_t inertiaType;       // 28
  int8_t maxSpeed;          // 29
  int8_t scrollY;           // 30
  uint8_t reserved31[3];    // 31..33
  ActionDef actions[kActionSlotCount];  // 34..393
  uint8_t padding[2];       // 394..395

  friend bool operator==(const ItemDef&, const ItemDef&) = default;
};

struct CellRecord {
  BlockDef block;
  CharDef chara;
  ItemDef item;

  friend bool operator==(const CellRecord&, const CellRecord&) = default;
};

// 32 bytes of Shift-JIS, NUL-terminated, at most 31 bytes of text.
using EntryName = std::array<char, 32>;

inline constexpr std::size_t kCharBytesUsed = 393;   // what copying a character copies
inline constexpr std::size_t kCharFixedBytes = 33;   // bytes 0..32 in files
inline constexpr std::size_t kItemFixedBytes = 34;   // bytes 0..33 in files

static_assert(sizeof(BlockDef) == 16);
static_assert(sizeof(ActionDef) == 30);
static_assert(sizeof(CharDef) == 396);
static_assert(sizeof(ItemDef) == 396);
static_assert(sizeof(CellRecord) == 808);
static_assert(offsetof(ActionDef, hpCost) == 6 && offsetof(ActionDef, graphic) == 10 &&
              offsetof(ActionDef, cloneSpeed) == 22 && offsetof(ActionDef, maxSpeed) == 25 &&
              offsetof(ActionDef, reach) == 29);
static_assert(offsetof(CharDef, hp) == 9 && offsetof(CharDef, cloneCount) == 18 &&
              offsetof(CharDef, faction) == 24 && offsetof(CharDef, impact) == 26 &&
              offsetof(CharDef, actions) == 33 && offsetof(CharDef, padding) == 393);
static_assert(offsetof(ItemDef, scrollX) == 15 && offsetof(ItemDef, messageLength) == 16 &&
              offsetof(ItemDef, messageText) == 20 && offsetof(ItemDef, messagePause) == 24 &&
              offsetof(ItemDef, scrollY) == 30 && offsetof(ItemDef, actions) == 34 &&
              offsetof(ItemDef, padding) == 394);
static_assert(offsetof(CellRecord, chara) == 16 && offsetof(CellRecord, item) == 412);

// A slot is present (and written to files) when it has a type or a key other
// than "none" (0) and "automatic, added" (-1).
constexpr bool IsActionPresent(const ActionDef& action) {
  return action.actionType != 0 || (action.useKey != 0 && action.useKey != -1);
}

}  // namespace vh::stage
