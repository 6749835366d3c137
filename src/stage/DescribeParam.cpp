// Descriptor tables: the base row of every parameter and the tables that
// override rows depending on another field. In an override an empty label and
// the value 127 keep the base value.
#include <array>
#include <initializer_list>
#include <utility>

#include "stage/ParamDesc.h"
#include "stage/SjisLabel.h"

namespace vh::stage {

namespace {

struct Row {
  SjisLabel label;
  int min, max, def;
};

constexpr Row R(std::string_view label, int min, int max, int def) { return {Sjis(label), min, max, def}; }
// A parameter that does not apply: shown as "----", never stepped.
constexpr Row NotApplicable(std::string_view label) { return {Sjis(label), 0, 0, 0}; }

constexpr int kKeep = 127;
constexpr Row kKeepRow{{}, kKeep, kKeep, kKeep};
constexpr Row kOffRow{{}, 0, 0, 0};

constexpr Row Set(int min, int max, int def) { return {{}, min, max, def}; }
constexpr Row Relabel(std::string_view label, int min, int max, int def) { return R(label, min, max, def); }

constexpr Row kBlockRows[kBlockParamCount] = {
    R("^ｸﾞﾗﾌｨｯｸ@", 1, 51, 0),
    R("ｼｭﾂｹﾞﾝ^ﾌﾗｸﾞ@", 0, 32, 0),
    R("^ﾀｲﾌﾟ@", 0, 2, 2),
    R("ﾑｺｳｾｲﾘｮｸ", -1, 7, -1),
    R("ﾄｳﾒｲ", 0, 1, 0),
    R("ﾋｮｳｼﾞ^ﾀｲﾌﾟ@", 0, 1, 0),
    R("^ｱｸｼｮﾝ@", 0, 6, 0),
    NotApplicable("^ｱｸｼｮﾝ@ﾁ"),
};

struct PlayerEnemyRow {
  Row player, enemy;
};

constexpr PlayerEnemyRow Both(std::string_view label, int min, int max, int def) {
  return {R(label, min, max, def), R(label, min, max, def)};
}

constexpr PlayerEnemyRow kCharRows[kRecordParamCount] = {
    {R("ｾｲﾘｮｸ", 0, 7, 1), R("ｾｲﾘｮｸ", 0, 7, 2)},
    {R("^ｸﾞﾗﾌｨｯｸ@", 1, 51, 1), R("^ｸﾞﾗﾌｨｯｸ@", 2, 51, 2)},
    {NotApplicable("ｼｭﾂｹﾞﾝ^ﾌﾗｸﾞ@"), R("ｼｭﾂｹﾞﾝ^ﾌﾗｸﾞ@", 0, 32, 0)},
    {NotApplicable("^ｸﾞﾙｰﾌﾟ@"), R("^ｸﾞﾙｰﾌﾟ@", 0, 126, 0)},
    {NotApplicable("^ﾌﾞﾛｯｸ@ｶ"), R("^ﾌﾞﾛｯｸ@ｶ", 0, 1, 0)},
    Both("ｷｮﾀﾞｲｶ", 1, 10, 1),
    {R("ﾄｳﾒｲ", 0, 1, 0), R("ﾄｳﾒｲ", 0, 2, 0)},
    Both("ﾋｮｳｼﾞ^ﾀｲﾌﾟ@", 0, 1, 0),
    Both("HP", 1, 255, 10),
    {R("^ﾀﾞﾒｰｼﾞ@", 0, 255, 0), R("^ﾀﾞﾒｰｼﾞ@", 0, 255, 4)},
    Both("ｼｮｳｹﾞｷ", 0, 10, 0),
    {R("ﾅﾜﾊﾞﾘ", 0, 42, 0), R("ﾅﾜﾊﾞﾘ", -2, 42, 0)},
    {NotApplicable("ｲﾄﾞｳ^ﾀｲﾌﾟ@"), R("ｲﾄﾞｳ^ﾀｲﾌﾟ@", 0, 11, 0)},
    {R("ﾋｺｳ", 0, 3, 0), R("ﾋｺｳ", 0, 4, 0)},
    {R("^ｽﾋﾟｰﾄﾞ@", 0, 20, 4), R("^ｽﾋﾟｰﾄﾞ@", -20, 20, 1)},
    {NotApplicable("^ｻﾌﾞｽﾋﾟｰﾄﾞ@"), R("^ｻﾌﾞｽﾋﾟｰﾄﾞ@", -20, 20, 0)},
    {NotApplicable("ｲﾄﾞｳﾊﾝｲ"), R("ｲﾄﾞｳﾊﾝｲ", 0, 10, 2)},
    {NotApplicable("ﾌﾞﾝｼﾝｽｳ"), R("ﾌﾞﾝｼﾝｽｳ", 0, 20, 0)},
    {NotApplicable("ﾌﾞﾝｼﾝｿｸﾄﾞ"), R("ﾌﾞﾝｼﾝｿｸﾄﾞ", -20, 20, 1)},
    {NotApplicable("ﾌﾞﾝｼﾝﾊﾝｲ"), R("ﾌﾞﾝｼﾝﾊﾝｲ", 0, 10, 0)},
    {R("ｶﾝｾｲ^ﾀｲﾌﾟ@", 0, 2, 0), NotApplicable("ｶﾝｾｲ^ﾀｲﾌﾟ")},
    Both("ﾏｻﾂ", 0, 34, 3),
    {R("^ﾏｯｸｽｽﾋﾟｰﾄﾞ@", 0, 20, 4), NotApplicable("^ﾏｯｸｽｽﾋﾟｰﾄﾞ@")},
};

constexpr Row kItemRows[kRecordParamCount] = {
    R("^ｸﾞﾗﾌｨｯｸ@", 1, 51, 0),
    R("ｼｭﾂｹﾞﾝ^ﾌﾗｸﾞ@", 0, 32, 0),
    R("ｼｭﾄｸ", 0, 2, 0),
    R("ﾄｳﾒｲ", 0, 1, 0),
    R("^ｽﾃｰｼﾞｸﾘｱ@", -1, 9, -1),
    R("^ｽｺｱ@", 0, 10, 0),
    R("^ﾌﾗｸﾞ@ﾉｿｳｻﾎｳ", 0, 2, 0),
    R("ｿｳｻｽﾙ^ﾌﾗｸﾞ@", 0, 32, 0),
    R("^ﾀｲﾑ@ﾍﾝｶ", -100, 100, 0),
    R("^ﾜｰﾌﾟ@ｻﾞﾋｮｳX", -1, 127, -1),
    R("^ﾜｰﾌﾟ@ｻﾞﾋｮｳY", -1, 127, -1),
    R("ｷｮﾀﾞｲｶ", 1, 10, kKeepsPlayerValue),
    R("HPﾍﾝｶ(%)", -100, 100, 0),
    R("^ﾀﾞﾒｰｼﾞ@", 0, 127, kKeepsPlayerValue),
    R("ｼｮｳｹﾞｷ", 0, 10, kKeepsPlayerValue),
    R("ﾋｺｳ", 0, 3, kKeepsPlayerValue),
    R("^ｽﾋﾟｰﾄﾞ@", 0, 20, kKeepsPlayerValue),
    R("ｶﾝｾｲ^ﾀｲﾌﾟ@", 0, 2, kKeepsPlayerValue),
    R("^ﾏｯｸｽｽﾋﾟｰﾄﾞ@", 0, 20, kKeepsPlayerValue),
    R("ﾖｺ^ｽｸﾛｰﾙ@", -120, 121, kKeepsPlayerValue),
    R("ﾀﾃ^ｽｸﾛｰﾙ@", -120, 121, kKeepsPlayerValue),
    R("^ﾒｯｾｰｼﾞ@", kMessageMarker, kMessageMarker, 0),
    R("ｺｳｶｵﾝ", 0, 16, 0),
};

// Player and item actions use the player column.
constexpr PlayerEnemyRow kActionRows[kActionParamCount] = {
    {NotApplicable("ﾅﾜﾊﾞﾘ"), R("ﾅﾜﾊﾞﾘ", -2, 42, 0)},
    Both("^ﾀｲﾐﾝｸﾞ@", 0, 120, 0),
    {R("ｼﾖｳｶﾝｶｸ", 0, 120, 6), R("ｼﾖｳｶﾝｶｸ", 0, 120, 20)},
    Both("ｼﾖｳｼﾞｶﾝ", 1, 120, 1),
    Both("ｼｮｳﾋHP", 0, 255, 0),
    Both("ｾｲﾘｮｸ", -1, 7, -1),
    Both("^ｸﾞﾗﾌｨｯｸ@", 0, 26, 0),
    Both("ｷｮﾀﾞｲｶ", 1, 10, 1),
    Both("^ﾀﾞﾒｰｼﾞ@", 0, 255, 3),
    Both("ｼｮｳｹﾞｷ", 0, 10, 0),
    Both("ｼｭﾄｸ^ｱｲﾃﾑ@", 0, 64, 0),
    Both("ｲﾄﾞｳ^ﾀｲﾌﾟ@", 0, 4, 0),
    Both("ｶﾝﾂｳ", 0, 3, 0),
    Both("^ｷｬﾗ@ｶﾝﾂｳ", 0, 1, 0),
    {R("^ｽﾋﾟｰﾄﾞ@", -20, 20, 8), R("^ｽﾋﾟｰﾄﾞ@", -20, 20, 3)},
    Both("ﾋｷｮﾘ", 0, 80, 0),
    Both("ｶｽﾞ", 1, 127, 1),
    Both("^ﾌｫｰﾒｰｼｮﾝ@", 0, 5, 0),
    {NotApplicable("Fｼﾞｮｳﾎｳ"), NotApplicable("Fｼﾞｮｳﾎｳ")},
    Both("ﾑｷ", 0, 5, 0),
    Both("ﾌﾞﾝｼﾝｽｳ", 0, 20, 0),
    Both("ﾌﾞﾝｼﾝｿｸﾄﾞ", 1, 20, 1),
    Both("^ﾏｯｸｽｽﾋﾟｰﾄﾞ@", 0, 20, 20),
    {R("^ｱｸｼｮﾝ@", 0, 13, 0), R("^ｱｸｼｮﾝ@", 0, 10, 0)},
    {R("ｼﾖｳ^ｷｰ@", -2, 8, 0), R("ｼﾖｳ^ｷｰ@", -1, -1, -1)},
};

// blockActionValue (block parameter 7) by blockAction.
constexpr Row kBlockActionValueRows[7] = {
    kOffRow,
    Relabel("^ｼﾞｬﾝﾌﾟ@ﾘｮｸ", 1, 20, 7),
    kOffRow,
    Relabel("^ｽﾋﾟｰﾄﾞ@X", 2, 5, 2),
    Relabel("^ｽﾋﾟｰﾄﾞ@/", 2, 5, 2),
    Relabel("^ｽﾋﾟｰﾄﾞ@", 1, 20, 3),
    Relabel("^ｽﾋﾟｰﾄﾞ@", 1, 20, 3),
};

// Enemy parameters 13..19 (flight, speed, subSpeed, moveRange, cloneCount,
// cloneSpeed, cloneRange) by moveType.
constexpr Row K = kKeepRow;
constexpr Row X = kOffRow;
constexpr Row kMoveTypeRows[12][7] = {
    {K, X, X, X, X, X, X},
    {X, K, X, X, K, K, X},
    {K, K, K, X, K, K, X},
    {K, K, K, Set(-1, 10, 3), K, K, K},
    {K, Set(-1, 1, 1), K, K, K, X, Set(0, 10, 1)},
    {Set(1, 4, 1), K, K, X, K, K, X},
    {Set(1, 4, 1), K, K, Set(-1, 10, 3), K, K, K},
    {Set(1, 4, 1), Set(-1, 1, 1), K, K, K, X, Set(0, 10, 1)},
    {Set(1, 4, 1), K, K, K, K, K, K},
    {K, K, X, X, K, K, X},
    {K, K, X, X, K, K, X},
    {K, K, Set(-20, 20, 1), Set(0, 10, 4), K, K, K},
};

// Action parameters 0..22 by actionType. Every type but 0 keeps territory,
// timing and hpCost; everything a type does not list does not apply.
using ActionTypeRow = std::array<Row, kRecordParamCount>;

constexpr ActionTypeRow TypeRow(std::initializer_list<std::pair<int, Row>> rows) {
  ActionTypeRow out{};
  for (Row& row : out) row = kOffRow;
  out[0] = out[1] = out[4] = kKeepRow;
  for (const auto& [index, row] : rows) out[index] = row;
  return out;
}

constexpr ActionTypeRow AllOff() {
  ActionTypeRow out{};
  for (Row& row : out) row = kOffRow;
  return out;
}

constexpr ActionTypeRow kActionTypeRows[14] = {
    AllOff(),
    // 1 shot
    TypeRow({{2, K}, {3, K}, {5, K}, {6, K}, {7, K}, {8, K}, {9, K}, {10, K}, {11, K}, {12, K},
             {13, K}, {14, K}, {15, K}, {16, K}, {17, K}, {18, K}, {19, K}, {20, K}, {21, K}}),
    // 2 jump
    TypeRow({{2, Set(0, 120, 0)}, {3, Relabel("^ｼﾞｬﾝﾌﾟ@ﾘｮｸ", 1, 20, 7)}}),
    // 3 character summon
    TypeRow({{2, K}, {3, K}, {6, Relabel("ｼｮｳｶﾝ^ｷｬﾗ@", 2, 64, 2)}, {16, K}, {17, K}, {18, K}, {19, K}}),
    // 4 item summon
    TypeRow({{2, K}, {3, K}, {6, Relabel("ｼｮｳｶﾝ^ｱｲﾃﾑ@", 1, 64, 1)}, {16, K}, {17, K}, {18, K}, {19, K}}),
    // 5 move A
    TypeRow({{2, K}, {3, K}, {9, Relabel("ｲﾄﾞｳﾘｮｳ", 1, 20, 2)}, {19, K}}),
    // 6 move B
    TypeRow({{2, K}, {3, K}, {14, Set(0, 20, 8)}, {19, K}}),
    // 7 accelerating move
    TypeRow({{2, K}, {3, K}, {14, Set(0, 20, 4)}, {19, K}, {22, K}}),
    // 8 warp
    TypeRow({{2, K}, {3, Relabel("ｲﾄﾞｳﾘｮｳ", 1, 120, 1)}, {19, Set(0, 11, 0)}}),
    // 9 transparency
    TypeRow({{1, Set(0, 120, 30)}, {2, Set(0, 120, 60)}, {3, Set(1, 120, 30)}}),
    // 10 turn round
    TypeRow({{2, K}, {3, K}}),
    // 11 sword
    TypeRow({{2, Set(0, 120, 6)}, {3, Set(4, 4, 4)}, {5, K}, {7, K}, {8, Set(0, 255, 10)}, {9, K},
             {10, K}}),
    // 12 and 13: keys ignored
    TypeRow({{2, Set(0, 120, 0)}, {3, K}}),
    TypeRow({{2, Set(0, 120, 0)}, {3, K}}),
};

// formationValue (action parameter 18) by formation, for shot and summon types.
constexpr Row kFormationRows[6] = {
    Relabel("ｶﾝｶｸ", 0, 20, 0), Relabel("ｶﾝｶｸ", 0, 20, 0), Relabel("ｶｸﾄﾞ", 0, 120, 30),
    Relabel("ﾚﾂﾉｶｽﾞ", 1, 7, 1), kOffRow,                    Relabel("ｷｮﾘ", 0, 20, 10),
};

constexpr int kTimingParam = 1;
constexpr int kFormationValueParam = 18;

ParamDesc FromRow(const Row& row) { return {row.label.view(), row.min, row.max, row.def}; }

void Override(ParamDesc& desc, const Row& row) {
  if (!row.label.empty()) desc.label = row.label.view();
  if (row.min != kKeep) desc.min = row.min;
  if (row.max != kKeep) desc.max = row.max;
  if (row.def != kKeep) desc.def = row.def;
}

bool InRange(int value, int size) { return value >= 0 && value < size; }

// Only enemies (kind 2) use the enemy column; an entry without a character
// (kind 0) reads like the player, so its empty slots keep key 0.
const Row& Column(const PlayerEnemyRow& row, int kind) { return kind == kCharEnemy ? row.enemy : row.player; }

}  // namespace

ParamDesc DescribeBlockParam(const BlockDef& block, int index) {
  if (!InRange(index, kBlockParamCount)) return {};
  ParamDesc desc = FromRow(kBlockRows[index]);
  if (index == 7 && InRange(block.blockAction, 7)) Override(desc, kBlockActionValueRows[block.blockAction]);
  return desc;
}

ParamDesc DescribeCharParam(const CharDef& chara, int index) {
  if (!InRange(index, kRecordParamCount)) return {};
  ParamDesc desc = FromRow(Column(kCharRows[index], chara.kind));
  if (chara.kind == kCharEnemy && index >= 13 && index <= 19 && InRange(chara.moveType, 12))
    Override(desc, kMoveTypeRows[chara.moveType][index - 13]);
  if (chara.kind == kCharPlayer && index == 22 && chara.inertiaType == 0) Override(desc, kOffRow);
  return desc;
}

ParamDesc DescribeItemParam(const ItemDef&, int index) {
  if (!InRange(index, kRecordParamCount)) return {};
  return FromRow(kItemRows[index]);
}

ParamDesc DescribeActionParam(int ownerKind, const ActionDef& action, int index) {
  if (!InRange(index, kActionParamCount)) return {};
  ParamDesc desc = FromRow(Column(kActionRows[index], ownerKind));
  const int type = action.actionType;
  if (index < kRecordParamCount && InRange(type, 14)) Override(desc, kActionTypeRows[type][index]);
  if ((type == 1 || type == 3 || type == 4) && index == kFormationValueParam &&
      InRange(action.formation, 6))
    Override(desc, kFormationRows[action.formation]);
  // Timing only applies to automatic use (keys -1 and -2).
  if (ownerKind == kCharPlayer && index == kTimingParam && action.useKey >= 0 && action.useKey <= 8)
    Override(desc, kOffRow);
  return desc;
}

ParamDesc DescribeParam(ParamPage page, int index, int slot, const BlockDef& block,
                        const CharDef& chara, const ItemDef& item, const ActionDef& action) {
  if (slot == 0) {
    switch (page) {
      case ParamPage::Block: return DescribeBlockParam(block, index);
      case ParamPage::Character: return DescribeCharParam(chara, index);
      case ParamPage::Item: return DescribeItemParam(item, index);
    }
    return {};
  }
  if (page == ParamPage::Block) return {};
  const int ownerKind = page == ParamPage::Character ? static_cast<int>(chara.kind) : static_cast<int>(kCharPlayer);
  return DescribeActionParam(ownerKind, action, index);
}

}  // namespace vh::stage
