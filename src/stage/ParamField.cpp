// Where each parameter is stored in its record, how wide it is and its name.
#include <cstddef>

#include "stage/ParamDesc.h"

namespace vh::stage {

namespace {

struct FieldInfo {
  std::size_t offset;
  ParamWidth width;
  std::string_view name;
};

constexpr ParamWidth S = ParamWidth::SignedByte;
constexpr ParamWidth U = ParamWidth::UnsignedByte;

constexpr FieldInfo kBlockFields[kBlockParamCount] = {
    {0, S, "graphic"},     {1, S, "appearFlag"}, {2, S, "hitType"},     {3, S, "ignoreFaction"},
    {4, S, "transparent"}, {5, S, "drawOrder"},  {6, S, "blockAction"}, {7, S, "blockActionValue"},
};

constexpr FieldInfo kCharFields[kRecordParamCount] = {
    {24, S, "faction"},     {1, S, "graphic"},      {3, S, "appearFlag"},  {4, S, "group"},
    {5, S, "becomesBlock"}, {6, S, "giantScale"},   {7, S, "transparent"}, {8, S, "drawOrder"},
    {9, U, "hp"},           {10, U, "damage"},      {26, S, "impact"},     {11, S, "territory"},
    {12, S, "moveType"},    {13, S, "flight"},      {14, S, "speed"},      {15, S, "subSpeed"},
    {16, S, "moveRange"},   {18, S, "cloneCount"},  {19, S, "cloneSpeed"}, {20, S, "cloneRange"},
    {21, S, "inertiaType"}, {22, S, "friction"},    {23, S, "maxSpeed"},
};

constexpr FieldInfo kItemFields[kRecordParamCount] = {
    {0, S, "graphic"},     {1, S, "appearFlag"},  {2, S, "pickup"},       {3, S, "transparent"},
    {4, S, "stageClear"},  {5, S, "score"},       {6, S, "flagOp"},       {7, S, "flagNumber"},
    {8, S, "timeChange"},  {9, S, "warpX"},       {10, S, "warpY"},       {11, S, "giantScale"},
    {12, S, "hpChangePercent"}, {26, S, "damage"}, {27, S, "impact"},     {13, S, "flight"},
    {14, S, "speed"},      {28, S, "inertiaType"}, {29, S, "maxSpeed"},   {15, S, "scrollX"},
    {30, S, "scrollY"},    {16, ParamWidth::Message, "message"},          {25, S, "effectSound"},
};

constexpr FieldInfo kActionFields[kActionParamCount] = {
    {2, S, "territory"},   {3, S, "timing"},      {4, S, "useInterval"},  {5, S, "useDuration"},
    {6, U, "hpCost"},      {26, S, "faction"},    {10, S, "graphic"},     {11, S, "giantScale"},
    {12, U, "damage"},     {13, S, "impact"},     {27, S, "pickupItem"},  {14, S, "moveType"},
    {15, S, "pierce"},     {28, S, "pierceChars"}, {16, S, "speed"},      {29, S, "reach"},
    {17, S, "count"},      {18, S, "formation"},  {19, S, "formationValue"}, {20, S, "direction"},
    {21, S, "cloneCount"}, {22, S, "cloneSpeed"}, {25, S, "maxSpeed"},    {0, S, "actionType"},
    {1, S, "useKey"},
};

const FieldInfo* FieldsOf(RecordKind record) {
  switch (record) {
    case RecordKind::Block: return kBlockFields;
    case RecordKind::Character: return kCharFields;
    case RecordKind::Item: return kItemFields;
    case RecordKind::Action: return kActionFields;
  }
  return kBlockFields;
}

const FieldInfo& FieldAt(RecordKind record, int index) {
  const int count = ParamCount(record);
  return FieldsOf(record)[index >= 0 && index < count ? index : 0];
}

ParamFieldRef RefOf(void* record, RecordKind kind, int index) {
  const FieldInfo& field = FieldAt(kind, index);
  return {static_cast<uint8_t*>(record) + field.offset, field.width};
}

}  // namespace

int ParamFieldRef::Get() const {
  switch (width) {
    case ParamWidth::SignedByte: return static_cast<int8_t>(*address);
    case ParamWidth::UnsignedByte: return *address;
    case ParamWidth::Message: return 0;
  }
  return 0;
}

void ParamFieldRef::Set(int value) const {
  if (width != ParamWidth::Message) *address = static_cast<uint8_t>(value);
}

int ParamCount(RecordKind record) {
  switch (record) {
    case RecordKind::Block: return kBlockParamCount;
    case RecordKind::Character:
    case RecordKind::Item: return kRecordParamCount;
    case RecordKind::Action: return kActionParamCount;
  }
  return 0;
}

ParamWidth ParamWidthOf(RecordKind record, int index) { return FieldAt(record, index).width; }
std::string_view ParamFieldName(RecordKind record, int index) { return FieldAt(record, index).name; }

ParamFieldRef ParamField(BlockDef& block, int index) { return RefOf(&block, RecordKind::Block, index); }
ParamFieldRef ParamField(CharDef& chara, int index) { return RefOf(&chara, RecordKind::Character, index); }
ParamFieldRef ParamField(ItemDef& item, int index) { return RefOf(&item, RecordKind::Item, index); }
ParamFieldRef ParamField(ActionDef& action, int index) { return RefOf(&action, RecordKind::Action, index); }

}  // namespace vh::stage
