#include "stage/ValueNames.h"

#include <array>
#include <cstdint>
#include <cstdio>

namespace vh::stage {

namespace {

constexpr ValueName V(int value, std::string_view utf8) { return {value, Sjis(utf8)}; }

template <std::size_t N>
using Names = std::array<ValueName, N>;

constexpr Names<1> kNone0{{V(0, "ﾅｼ")}};
constexpr Names<2> kOffOn{{V(0, "OFF"), V(1, "ON")}};
constexpr Names<2> kDrawOrder{{V(0, "^ｷｬﾗ@ﾉｼﾀ"), V(1, "^ｷｬﾗ@ﾉｳｴ")}};
constexpr Names<3> kHitType{{V(0, "ｱﾀﾗﾅｲ"), V(1, "ｿｸｼ"), V(2, "ｱﾀﾙ")}};
constexpr Names<1> kNoneMinus1{{V(-1, "ﾅｼ")}};
constexpr Names<7> kBlockAction{{V(0, "ﾅｼ"), V(1, "^ｼﾞｬﾝﾌﾟ@"), V(2, "^ｼﾞｬﾝﾌﾟ@ｷﾝｼ"), V(3, "ｶｿｸ"),
                                 V(4, "ｹﾞﾝｿｸ"), V(5, "ﾋﾀﾞﾘｲﾄﾞｳ"), V(6, "ﾐｷﾞｲﾄﾞｳ")}};
constexpr Names<3> kCharTransparent{{V(0, "OFF"), V(1, "ON"), V(2, "ﾅﾜﾊﾞﾘｶﾞｲON")}};
constexpr Names<1> kInvincible{{V(255, "ﾑﾃｷ")}};
constexpr Names<12> kCharMoveType{{V(0, "ｾｲｼ"), V(1, "ﾁｼﾞｮｳｵﾘｶｴｼ"), V(2, "ｻﾕｳﾁｮｸｼﾝ"),
                                   V(3, "ｻﾕｳｵｳﾌｸA"), V(4, "ｻﾕｳｵｳﾌｸB"), V(5, "ｼﾞｮｳｹﾞﾁｮｸｼﾝ"),
                                   V(6, "ｼﾞｮｳｹﾞｵｳﾌｸA"), V(7, "ｼﾞｮｳｹﾞｵｳﾌｸB"), V(8, "ｴﾝｲﾄﾞｳ"),
                                   V(9, "ﾄﾂｹﾞｷ"), V(10, "ﾕｳﾄﾞｳ"), V(11, "^ﾎﾞｽ@")}};
constexpr Names<5> kCharFlight{{V(0, "ｼﾅｲ"), V(1, "ｽﾘﾇｹ"), V(2, "^ﾌﾞﾛｯｸ@ﾆｱﾀﾙ"), V(3, "^ﾌﾞﾛｯｸ@ﾃﾞｿｸｼ"),
                                V(4, "ﾅﾜﾊﾞﾘｶﾞｲON")}};
constexpr Names<3> kInertia{{V(0, "ｶﾝｾｲﾅｼ"), V(1, "ｶﾝｾｲA"), V(2, "ｶﾝｾｲB")}};
constexpr Names<3> kPickup{{V(0, "ﾃﾞｷﾙ"), V(1, "ﾑｹﾞﾝ"), V(2, "ﾃﾞｷﾅｲ")}};
constexpr Names<3> kFlagOp{{V(0, "OFFﾆｽﾙ"), V(1, "ONﾆｽﾙ"), V(2, "ﾊﾝﾃﾝｽﾙ")}};
constexpr Names<1> kNoWarp{{V(-1, "^ﾜｰﾌﾟ@ｼﾅｲ")}};
constexpr Names<1> kKeeps{{V(-127, "ｿﾉﾏﾏ")}};
constexpr Names<5> kItemFlight{{V(-127, "ｿﾉﾏﾏ"), V(0, "ｼﾅｲ"), V(1, "ｽﾘﾇｹ"), V(2, "^ﾌﾞﾛｯｸ@ﾆｱﾀﾙ"),
                                V(3, "^ﾌﾞﾛｯｸ@ﾃﾞｿｸｼ")}};
constexpr Names<4> kItemInertia{{V(-127, "ｿﾉﾏﾏ"), V(0, "ｶﾝｾｲﾅｼ"), V(1, "ｶﾝｾｲA"), V(2, "ｶﾝｾｲB")}};
constexpr Names<2> kItemScroll{{V(-127, "ｿﾉﾏﾏ"), V(121, "ｺﾃｲ")}};
constexpr Names<17> kEffectSound{{V(0, "ﾅｼ"), V(1, "^ｸﾘｱ@"), V(2, "^ｼﾞｪﾑ@"), V(3, "^ｼﾞｪﾑ@2"),
                                  V(4, "^ｽｲｯﾁ@"), V(5, "^ｱｯﾌﾟ@"), V(6, "^ｱｯﾌﾟ@2"), V(7, "^ﾀﾞｳﾝ@"),
                                  V(8, "^ﾀﾞｳﾝ@2"), V(9, "ｶｲﾌｸ"), V(10, "^ﾀﾞﾒｰｼﾞ@"), V(11, "^ｽｸﾛｰﾙ@"),
                                  V(12, "^ﾒｯｾｰｼﾞ@"), V(13, "ｿｳﾋﾞ"), V(14, "ｿｳﾋﾞ2"), V(15, "ｵﾀｹﾋﾞ"),
                                  V(16, "^ｴﾗｰ@")}};
constexpr Names<1> kSameAsOwner{{V(-1, "^ｷｬﾗ@ﾄｵﾅｼﾞ")}};
constexpr Names<5> kShotMoveType{{V(0, "ﾁｮｸｼﾝ"), V(1, "ｼｭｼﾞﾝｺｳｦﾈﾗｳ"), V(2, "^ｳｪｰﾌﾞ@(ｳｴ)"),
                                  V(3, "^ｳｪｰﾌﾞ@(ｼﾀ)"), V(4, "ﾗｯｶ")}};
constexpr Names<4> kPierce{{V(0, "OFF"), V(1, "ON"), V(2, "OFF(ｼｮｳﾒﾂ)"), V(3, "ON(ｼｮｳﾒﾂ)")}};
constexpr Names<1> kNoReach{{V(0, "ｾｯﾃｲｼﾅｲ")}};
constexpr Names<6> kFormation{{V(0, "ﾁｮｸｼﾝA"), V(1, "ﾁｮｸｼﾝB"), V(2, "ｶｸｻﾝ"), V(3, "ﾗｸﾗｲ"),
                               V(4, "ﾊﾞｸﾊﾂ"), V(5, "ﾎｳｲ")}};
constexpr Names<12> kDirection{{V(0, "ﾏｴ"), V(1, "ｳｼﾛ"), V(2, "ﾋﾀﾞﾘ"), V(3, "ﾐｷﾞ"), V(4, "ｳｴ"),
                                V(5, "ｼﾀ"), V(6, "ｼｭｼﾞﾝｺｳﾉﾏｴ"), V(7, "ｼｭｼﾞﾝｺｳﾉｳｼﾛ"),
                                V(8, "ｼｭｼﾞﾝｺｳﾉﾋﾀﾞﾘ"), V(9, "ｼｭｼﾞﾝｺｳﾉﾐｷﾞ"), V(10, "ｼｭｼﾞﾝｺｳﾉｳｴ"),
                                V(11, "ｼｭｼﾞﾝｺｳﾉｼﾀ")}};
constexpr Names<14> kActionType{{V(0, "ﾅｼ"), V(1, "^ｼｮｯﾄ@"), V(2, "^ｼﾞｬﾝﾌﾟ@"), V(3, "^ｷｬﾗ@ｼｮｳｶﾝ"),
                                 V(4, "^ｱｲﾃﾑ@ｼｮｳｶﾝ"), V(5, "^ﾑｰﾌﾞ@A"), V(6, "^ﾑｰﾌﾞ@B"),
                                 V(7, "ｶｿｸ^ﾑｰﾌﾞ@"), V(8, "^ﾜｰﾌﾟ@"), V(9, "ﾄｳﾒｲｶ"), V(10, "ﾑｷﾊﾝﾃﾝ"),
                                 V(11, "^ｿｰﾄﾞ@"), V(12, "ｲﾄﾞｳ^ｷｰ@ﾑｺｳ"), V(13, "^ｱｸｼｮﾝｷｰ@ﾑｺｳ")}};

// giantScale: 1 "ｼﾅｲ", then n x n "ﾊﾞｲ"; items also "ｿﾉﾏﾏ".
constexpr Names<10> ScaleNames() {
  Names<10> out{};
  out[0] = V(1, "ｼﾅｲ");
  for (int n = 2; n <= 10; ++n) {
    out[n - 1].value = n;
    out[n - 1].name.AppendNumber(n * n).Append("ﾊﾞｲ");
  }
  return out;
}
constexpr Names<10> kScale = ScaleNames();

constexpr Names<11> ItemScaleNames() {
  Names<11> out{};
  out[0] = V(-127, "ｿﾉﾏﾏ");
  for (int i = 0; i < 10; ++i) out[i + 1] = kScale[i];
  return out;
}
constexpr Names<11> kItemScale = ItemScaleNames();

// territory: the two "while riding" values, none, then ranges in blocks (A and
// B), then ranges ahead of the character; actions abbreviate the last group.
constexpr Names<45> TerritoryNames(bool action) {
  Names<45> out{};
  out[0] = V(-2, "ﾉｯﾀﾄｷB");
  out[1] = V(-1, "ﾉｯﾀﾄｷA");
  out[2] = V(0, "ﾅｼ");
  for (int v = 1; v <= 42; ++v) {
    ValueName& name = out[v + 2];
    name.value = v;
    if (v <= 22) {
      const bool b = v >= 12;
      name.name.AppendNumber(b ? v - 12 : v - 1).Append("^ﾌﾞﾛｯｸ@").Append(b ? "B" : "A");
    } else {
      const bool b = v >= 33;
      name.name.Append("ﾏｴ").AppendNumber(b ? v - 32 : v - 22);
      name.name.Append(action ? "^ﾌﾞﾛ@" : "^ﾌﾞﾛｯｸ@").Append(b ? "B" : "A");
    }
  }
  return out;
}
constexpr Names<45> kTerritory = TerritoryNames(false);
constexpr Names<45> kActionTerritory = TerritoryNames(true);

// group: "ﾅｼ" and groups 1..20, each in A and B, each off screen in both axes,
// in X or in Y; the last value belongs to no group and acts everywhere.
constexpr Names<127> GroupNames() {
  constexpr std::string_view kAxes[3] = {"ｶﾞﾒﾝﾅｲ", "Xｶﾞﾒﾝﾅｲ", "Yｶﾞﾒﾝﾅｲ"};
  Names<127> out{};
  int v = 0;
  auto add = [&](int group, int axis, const char* letter) {
    ValueName& name = out[v];
    name.value = v++;
    if (group == 0)
      name.name.Append("ﾅｼ");
    else
      name.name.AppendNumber(group);
    name.name.Append("-").Append(kAxes[axis]).Append(letter);
  };
  for (const char* letter : {"A", "B"})
    for (int axis = 0; axis < 3; ++axis) add(0, axis, letter);
  for (const char* letter : {"A", "B"})
    for (int group = 1; group <= 20; ++group)
      for (int axis = 0; axis < 3; ++axis) add(group, axis, letter);
  out[126] = V(126, "ﾅｼ-^ｵｰﾙ@");
  return out;
}
constexpr Names<127> kGroup = GroupNames();

constexpr Names<12> MoveRangeNames() {
  Names<12> out{};
  out[0] = V(-1, "^ﾌﾞﾛｯｸ@ﾏﾃﾞ");
  for (int v = 0; v <= 10; ++v) {
    out[v + 1].value = v;
    out[v + 1].name.AppendNumber(v).Append("^ﾌﾞﾛｯｸ@");
  }
  return out;
}
constexpr Names<12> kMoveRange = MoveRangeNames();

constexpr Names<11> StageClearNames() {
  Names<11> out{};
  out[0] = V(-1, "ｼﾅｲ");
  out[1] = V(0, "ﾂｷﾞﾉ^ｽﾃｰｼﾞ@ﾍ");
  for (int v = 1; v <= 9; ++v) {
    out[v + 1].value = v;
    out[v + 1].name.Append("^ｽﾃｰｼﾞ@").AppendNumber(v).Append("ﾍ");
  }
  return out;
}
constexpr Names<11> kStageClear = StageClearNames();

constexpr Names<11> UseKeyNames() {
  Names<11> out{};
  out[0] = V(-2, "^ｵｰﾄ@(ﾍﾝｺｳ)");
  out[1] = V(-1, "^ｵｰﾄ@(ﾂｲｶ)");
  out[2] = V(0, "ﾅｼ");
  constexpr std::string_view kKeys[4] = {"A", "B", "C", "D"};
  for (int v = 1; v <= 8; ++v) {
    out[v + 2].value = v;
    out[v + 2].name.Append("^ｱｸｼｮﾝ@").Append(kKeys[(v - 1) % 4]).Append(v <= 4 ? "(ﾍﾝｺｳ)" : "(ﾂｲｶ)");
  }
  return out;
}
constexpr Names<11> kUseKey = UseKeyNames();

template <std::size_t N>
constexpr std::span<const ValueName> S(const Names<N>& names) {
  return {names.data(), N};
}

std::span<const ValueName> BlockNames(int index) {
  switch (index) {
    case 1: return S(kNone0);
    case 2: return S(kHitType);
    case 3: return S(kNoneMinus1);
    case 4: return S(kOffOn);
    case 5: return S(kDrawOrder);
    case 6: return S(kBlockAction);
    default: return {};
  }
}

std::span<const ValueName> CharNames(int index) {
  switch (index) {
    case 2: return S(kNone0);
    case 3: return S(kGroup);
    case 4: return S(kOffOn);
    case 5: return S(kScale);
    case 6: return S(kCharTransparent);
    case 7: return S(kDrawOrder);
    case 8: return S(kInvincible);
    case 11: return S(kTerritory);
    case 12: return S(kCharMoveType);
    case 13: return S(kCharFlight);
    case 16: return S(kMoveRange);
    case 20: return S(kInertia);
    default: return {};
  }
}

std::span<const ValueName> ItemNames(int index) {
  switch (index) {
    case 1: return S(kNone0);
    case 2: return S(kPickup);
    case 3: return S(kOffOn);
    case 4: return S(kStageClear);
    case 6: return S(kFlagOp);
    case 7: return S(kNone0);
    case 9:
    case 10: return S(kNoWarp);
    case 11: return S(kItemScale);
    case 13:
    case 14:
    case 16:
    case 18: return S(kKeeps);
    case 15: return S(kItemFlight);
    case 17: return S(kItemInertia);
    case 19:
    case 20: return S(kItemScroll);
    case 22: return S(kEffectSound);
    default: return {};
  }
}

std::span<const ValueName> ActionNames(int index) {
  switch (index) {
    case 0: return S(kActionTerritory);
    case 5: return S(kSameAsOwner);
    case 7: return S(kScale);
    case 10: return S(kNone0);
    case 11: return S(kShotMoveType);
    case 12: return S(kPierce);
    case 13: return S(kOffOn);
    case 15: return S(kNoReach);
    case 17: return S(kFormation);
    case 19: return S(kDirection);
    case 23: return S(kActionType);
    case 24: return S(kUseKey);
    default: return {};
  }
}

}  // namespace

std::span<const ValueName> ValueNamesOf(RecordKind record, int index) {
  switch (record) {
    case RecordKind::Block: return BlockNames(index);
    case RecordKind::Character: return CharNames(index);
    case RecordKind::Item: return ItemNames(index);
    case RecordKind::Action: return ActionNames(index);
  }
  return {};
}

std::optional<std::string_view> FindValueName(RecordKind record, int index, int value) {
  const auto key = static_cast<int8_t>(value);
  for (const ValueName& name : ValueNamesOf(record, index))
    if (static_cast<int8_t>(name.value) == key) return name.name.view();
  return std::nullopt;
}

std::string FormatParamValue(RecordKind record, int index, const ParamDesc& desc, int value) {
  if (!desc.Applicable()) return "----";
  if (auto name = FindValueName(record, index, value)) return std::string(*name);
  char text[16];
  if (ParamWidthOf(record, index) == ParamWidth::UnsignedByte)
    std::snprintf(text, sizeof text, "%2u", static_cast<unsigned>(static_cast<uint8_t>(value)));
  else
    std::snprintf(text, sizeof text, "%2d", static_cast<int>(static_cast<int8_t>(value)));
  return text;
}

}  // namespace vh::stage
