// Every editable field of a block, character, item or action is a parameter
// with a label, a range and a default. Some parameters change label, range or
// default, or stop applying, with the value of another field; DescribeParam
// gives the descriptor that holds for the record as it is now.
#pragma once

#include <cstdint>
#include <string_view>

#include "stage/Definitions.h"

namespace vh::stage {

// The property page a parameter is shown on.
enum class ParamPage : int { Block = 2, Character = 3, Item = 4 };

// Which record a parameter index refers to.
enum class RecordKind { Block, Character, Item, Action };

enum class ParamWidth { SignedByte, UnsignedByte, Message };

inline constexpr int kMessageParam = 21;          // item parameter holding the message
inline constexpr int kMessageMarker = 130;        // min / max of the message parameter
inline constexpr int kKeepsPlayerValue = -127;    // item value "ｿﾉﾏﾏ"

struct ParamDesc {
  std::string_view label;  // Shift-JIS
  int min = 0;             // decoded by the field's signedness
  int max = 0;
  int def = 0;

  bool Applicable() const { return !(min == 0 && max == 0); }
  bool IsMessage() const { return min == kMessageMarker || max == kMessageMarker; }
};

// page: the record shown; slot 0 for the record's own parameters (block 0..7,
// character and item 0..22), 1..12 for parameter 0..24 of `action` (which
// belongs to the character or item of the page).
ParamDesc DescribeParam(ParamPage page, int index, int slot, const BlockDef& block,
                        const CharDef& chara, const ItemDef& item, const ActionDef& action);

ParamDesc DescribeBlockParam(const BlockDef& block, int index);
ParamDesc DescribeCharParam(const CharDef& chara, int index);
ParamDesc DescribeItemParam(const ItemDef& item, int index);
// ownerKind: the owning character's kind, or kCharPlayer for item actions.
ParamDesc DescribeActionParam(int ownerKind, const ActionDef& action, int index);

// The storage of one parameter inside its record.
struct ParamFieldRef {
  uint8_t* address = nullptr;
  ParamWidth width = ParamWidth::SignedByte;

  // The stored value read by the field's signedness; 0 for the message.
  int Get() const;
  // Stores the value's low byte; the message is not stored this way.
  void Set(int value) const;
};

ParamFieldRef ParamField(BlockDef& block, int index);
ParamFieldRef ParamField(CharDef& chara, int index);
ParamFieldRef ParamField(ItemDef& item, int index);
ParamFieldRef ParamField(ActionDef& action, int index);

ParamWidth ParamWidthOf(RecordKind record, int index);
// The field's name as code, dumps and tools use it ("hp", "useKey").
std::string_view ParamFieldName(RecordKind record, int index);
int ParamCount(RecordKind record);

}  // namespace vh::stage
