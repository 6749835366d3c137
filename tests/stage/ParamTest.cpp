#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "stage/Palette.h"
#include "stage/ParamDesc.h"
#include "stage/SjisLabel.h"
#include "stage/ValueNames.h"

namespace vh::stage {
namespace {

std::string S(std::string_view utf8) { return std::string(Sjis(utf8).view()); }

TEST(DefaultPalette, EntriesHoldTheirDefaults) {
  Palette p;
  BuildDefaultPalette(p);
  const CellRecord& empty = p.entries[0];
  EXPECT_EQ(empty, CellRecord{});

  const CharDef& player = p.entries[1].chara;
  EXPECT_EQ(player.kind, kCharPlayer);
  EXPECT_EQ(player.faction, 1);
  EXPECT_EQ(player.hp, 10);
  EXPECT_EQ(player.speed, 4);
  EXPECT_EQ(player.friction, 3);
  EXPECT_EQ(player.inertiaType, 0);
  EXPECT_EQ(player.maxSpeed, 0);  // not applicable without inertia
  EXPECT_EQ(player.graphic, 1);
  EXPECT_EQ(player.giantScale, 1);
  EXPECT_EQ(player.group, 0);

  const CharDef& enemy = p.entries[2].chara;
  EXPECT_EQ(enemy.kind, kCharEnemy);
  EXPECT_EQ(enemy.faction, 2);
  EXPECT_EQ(enemy.damage, 4);
  EXPECT_EQ(enemy.speed, 0);       // not applicable while moveType is 0
  EXPECT_EQ(enemy.moveRange, 0);
  EXPECT_EQ(enemy.cloneSpeed, 0);
  EXPECT_EQ(enemy.graphic, 2);

  for (int i : {51, 52, 60, 64}) {
    EXPECT_EQ(p.entries[i].block.graphic, 51);
    EXPECT_EQ(p.entries[i].chara.graphic, 51);
    EXPECT_EQ(p.entries[i].item.graphic, 51);
  }
  const BlockDef& block = p.entries[7].block;
  EXPECT_EQ(block.hitType, 2);
  EXPECT_EQ(block.ignoreFaction, -1);
  EXPECT_EQ(block.blockActionValue, 0);
  const ItemDef& item = p.entries[7].item;
  EXPECT_EQ(item.stageClear, -1);
  EXPECT_EQ(item.warpX, -1);
  EXPECT_EQ(item.warpY, -1);
  for (int8_t keeps : {item.giantScale, item.damage, item.impact, item.flight, item.speed, item.inertiaType,
                       item.maxSpeed, item.scrollX, item.scrollY})
    EXPECT_EQ(keeps, kKeepsPlayerValue);
  EXPECT_EQ(item.messageLength, 0);

  // Absent action slots end all zero but for the key: none for the player and
  // items, "automatic, added" for enemies.
  for (int k = 0; k < kActionSlotCount; ++k) {
    ActionDef want{};
    EXPECT_EQ(player.actions[k], want);
    EXPECT_EQ(item.actions[k], want);
    want.useKey = -1;
    EXPECT_EQ(enemy.actions[k], want);
  }
  for (const NameTable* names : {&p.blockNames, &p.charNames, &p.itemNames})
    for (const EntryName& name : *names) EXPECT_EQ(name, EntryName{});
}

struct DescribeCase {
  const char* what;
  ParamPage page;
  int slot;  // 0 own parameters, 1..12 actions
  int index;
  std::function<void(BlockDef&, CharDef&, ItemDef&, ActionDef&)> setUp;
  const char* label;  // UTF-8; nullptr = not checked
  int min, max, def;
};

void Enemy(CharDef& c) { c.kind = kCharEnemy; }
void Player(CharDef& c) { c.kind = kCharPlayer; }

const DescribeCase kDescribeCases[] = {
    // Block action value by block action.
    {"block action none", ParamPage::Block, 0, 7, [](auto& b, auto&, auto&, auto&) { b.blockAction = 0; },
     "^ｱｸｼｮﾝ@ﾁ", 0, 0, 0},
    {"block jump", ParamPage::Block, 0, 7, [](auto& b, auto&, auto&, auto&) { b.blockAction = 1; },
     "^ｼﾞｬﾝﾌﾟ@ﾘｮｸ", 1, 20, 7},
    {"block no jump", ParamPage::Block, 0, 7, [](auto& b, auto&, auto&, auto&) { b.blockAction = 2; },
     "^ｱｸｼｮﾝ@ﾁ", 0, 0, 0},
    {"block faster", ParamPage::Block, 0, 7, [](auto& b, auto&, auto&, auto&) { b.blockAction = 3; },
     "^ｽﾋﾟｰﾄﾞ@X", 2, 5, 2},
    {"block slower", ParamPage::Block, 0, 7, [](auto& b, auto&, auto&, auto&) { b.blockAction = 4; },
     "^ｽﾋﾟｰﾄﾞ@/", 2, 5, 2},
    {"block conveyor", ParamPage::Block, 0, 7, [](auto& b, auto&, auto&, auto&) { b.blockAction = 6; },
     "^ｽﾋﾟｰﾄﾞ@", 1, 20, 3},
    // Enemy movement parameters by movement type.
    {"still: flight", ParamPage::Character, 0, 13, [](auto&, auto& c, auto&, auto&) { Enemy(c); }, "ﾋｺｳ", 0, 4,
     0},
    {"still: speed", ParamPage::Character, 0, 14, [](auto&, auto& c, auto&, auto&) { Enemy(c); },
     "^ｽﾋﾟｰﾄﾞ@", 0, 0, 0},
    {"walk: flight", ParamPage::Character, 0, 13,
     [](auto&, auto& c, auto&, auto&) { Enemy(c), c.moveType = 1; }, "ﾋｺｳ", 0, 0, 0},
    {"walk: clone speed", ParamPage::Character, 0, 18,
     [](auto&, auto& c, auto&, auto&) { Enemy(c), c.moveType = 1; }, "ﾌﾞﾝｼﾝｿｸﾄﾞ", -20, 20, 1},
    {"patrol A: range", ParamPage::Character, 0, 16,
     [](auto&, auto& c, auto&, auto&) { Enemy(c), c.moveType = 3; }, "ｲﾄﾞｳﾊﾝｲ", -1, 10, 3},
    {"patrol B: speed", ParamPage::Character, 0, 14,
     [](auto&, auto& c, auto&, auto&) { Enemy(c), c.moveType = 4; }, "^ｽﾋﾟｰﾄﾞ@", -1, 1, 1},
    {"patrol B: clone speed", ParamPage::Character, 0, 18,
     [](auto&, auto& c, auto&, auto&) { Enemy(c), c.moveType = 4; }, nullptr, 0, 0, 0},
    {"patrol B: clone range", ParamPage::Character, 0, 19,
     [](auto&, auto& c, auto&, auto&) { Enemy(c), c.moveType = 4; }, "ﾌﾞﾝｼﾝﾊﾝｲ", 0, 10, 1},
    {"vertical: flight", ParamPage::Character, 0, 13,
     [](auto&, auto& c, auto&, auto&) { Enemy(c), c.moveType = 5; }, "ﾋｺｳ", 1, 4, 1},
    {"chase: sub speed", ParamPage::Character, 0, 15,
     [](auto&, auto& c, auto&, auto&) { Enemy(c), c.moveType = 9; }, nullptr, 0, 0, 0},
    {"boss: sub speed", ParamPage::Character, 0, 15,
     [](auto&, auto& c, auto&, auto&) { Enemy(c), c.moveType = 11; }, "^ｻﾌﾞｽﾋﾟｰﾄﾞ@", -20, 20, 1},
    {"boss: range", ParamPage::Character, 0, 16,
     [](auto&, auto& c, auto&, auto&) { Enemy(c), c.moveType = 11; }, nullptr, 0, 10, 4},
    {"player ignores move type", ParamPage::Character, 0, 14,
     [](auto&, auto& c, auto&, auto&) { Player(c), c.moveType = 4; }, "^ｽﾋﾟｰﾄﾞ@", 0, 20, 4},
    // Player top speed by inertia.
    {"no inertia", ParamPage::Character, 0, 22, [](auto&, auto& c, auto&, auto&) { Player(c); },
     "^ﾏｯｸｽｽﾋﾟｰﾄﾞ@", 0, 0, 0},
    {"inertia B", ParamPage::Character, 0, 22,
     [](auto&, auto& c, auto&, auto&) { Player(c), c.inertiaType = 2; }, "^ﾏｯｸｽｽﾋﾟｰﾄﾞ@", 0, 20, 4},
    {"enemy inertia label", ParamPage::Character, 0, 20, [](auto&, auto& c, auto&, auto&) { Enemy(c); },
     "ｶﾝｾｲ^ﾀｲﾌﾟ", 0, 0, 0},
    // Actions by action type.
    {"type 0 hides everything", ParamPage::Character, 1, 2, [](auto&, auto& c, auto&, auto&) { Enemy(c); },
     "ｼﾖｳｶﾝｶｸ", 0, 0, 0},
    {"shot interval, enemy", ParamPage::Character, 1, 2,
     [](auto&, auto& c, auto&, auto& a) { Enemy(c), a.actionType = 1; }, "ｼﾖｳｶﾝｶｸ", 0, 120, 20},
    {"shot speed, player", ParamPage::Character, 3, 14,
     [](auto&, auto& c, auto&, auto& a) { Player(c), a.actionType = 1; }, "^ｽﾋﾟｰﾄﾞ@", -20, 20, 8},
    {"shot territory, enemy", ParamPage::Character, 1, 0,
     [](auto&, auto& c, auto&, auto& a) { Enemy(c), a.actionType = 1; }, "ﾅﾜﾊﾞﾘ", -2, 42, 0},
    {"shot territory, player", ParamPage::Character, 1, 0,
     [](auto&, auto& c, auto&, auto& a) { Player(c), a.actionType = 1; }, nullptr, 0, 0, 0},
    {"shot top speed", ParamPage::Character, 1, 22,
     [](auto&, auto& c, auto&, auto& a) { Player(c), a.actionType = 1; }, nullptr, 0, 0, 0},
    {"jump strength", ParamPage::Character, 1, 3,
     [](auto&, auto& c, auto&, auto& a) { Player(c), a.actionType = 2; }, "^ｼﾞｬﾝﾌﾟ@ﾘｮｸ", 1, 20, 7},
    {"jump interval", ParamPage::Character, 1, 2,
     [](auto&, auto& c, auto&, auto& a) { Enemy(c), a.actionType = 2; }, "ｼﾖｳｶﾝｶｸ", 0, 120, 0},
    {"summon character", ParamPage::Character, 1, 6,
     [](auto&, auto& c, auto&, auto& a) { Enemy(c), a.actionType = 3; }, "ｼｮｳｶﾝ^ｷｬﾗ@", 2, 64, 2},
    {"summon item", ParamPage::Item, 1, 6, [](auto&, auto&, auto&, auto& a) { a.actionType = 4; },
     "ｼｮｳｶﾝ^ｱｲﾃﾑ@", 1, 64, 1},
    {"move A distance", ParamPage::Character, 1, 9,
     [](auto&, auto& c, auto&, auto& a) { Enemy(c), a.actionType = 5; }, "ｲﾄﾞｳﾘｮｳ", 1, 20, 2},
    {"move B speed", ParamPage::Character, 1, 14,
     [](auto&, auto& c, auto&, auto& a) { Enemy(c), a.actionType = 6; }, "^ｽﾋﾟｰﾄﾞ@", 0, 20, 8},
    {"accelerating top speed", ParamPage::Character, 1, 22,
     [](auto&, auto& c, auto&, auto& a) { Enemy(c), a.actionType = 7; }, "^ﾏｯｸｽｽﾋﾟｰﾄﾞ@", 0, 20, 20},
    {"warp direction", ParamPage::Character, 1, 19,
     [](auto&, auto& c, auto&, auto& a) { Enemy(c), a.actionType = 8; }, "ﾑｷ", 0, 11, 0},
    {"fade timing", ParamPage::Character, 1, 1,
     [](auto&, auto& c, auto&, auto& a) { Enemy(c), a.actionType = 9; }, "^ﾀｲﾐﾝｸﾞ@", 0, 120, 30},
    {"sword duration", ParamPage::Character, 12, 3,
     [](auto&, auto& c, auto&, auto& a) { Player(c), a.actionType = 11; }, "ｼﾖｳｼﾞｶﾝ", 4, 4, 4},
    {"sword damage", ParamPage::Item, 1, 8, [](auto&, auto&, auto&, auto& a) { a.actionType = 11; },
     "^ﾀﾞﾒｰｼﾞ@", 0, 255, 10},
    {"key lock interval", ParamPage::Item, 1, 2, [](auto&, auto&, auto&, auto& a) { a.actionType = 13; },
     "ｼﾖｳｶﾝｶｸ", 0, 120, 0},
    // Formation value by formation.
    {"spread angle", ParamPage::Character, 1, 18,
     [](auto&, auto& c, auto&, auto& a) { Enemy(c), a.actionType = 1, a.formation = 2; }, "ｶｸﾄﾞ", 0, 120, 30},
    {"rain columns", ParamPage::Character, 1, 18,
     [](auto&, auto& c, auto&, auto& a) { Enemy(c), a.actionType = 3, a.formation = 3; }, "ﾚﾂﾉｶｽﾞ", 1, 7, 1},
    {"burst", ParamPage::Character, 1, 18,
     [](auto&, auto& c, auto&, auto& a) { Enemy(c), a.actionType = 1, a.formation = 4; }, "Fｼﾞｮｳﾎｳ", 0, 0, 0},
    {"surround keeps direction", ParamPage::Character, 1, 19,
     [](auto&, auto& c, auto&, auto& a) { Enemy(c), a.actionType = 4, a.formation = 5; }, "ﾑｷ", 0, 5, 0},
    {"formation ignored for warps", ParamPage::Character, 1, 18,
     [](auto&, auto& c, auto&, auto& a) { Enemy(c), a.actionType = 8, a.formation = 2; }, nullptr, 0, 0, 0},
    // Timing applies only to automatic keys of the player and of items.
    {"player key 3 timing", ParamPage::Character, 1, 1,
     [](auto&, auto& c, auto&, auto& a) { Player(c), a.actionType = 1, a.useKey = 3; }, "^ﾀｲﾐﾝｸﾞ@", 0, 0,
     0},
    {"player automatic timing", ParamPage::Character, 1, 1,
     [](auto&, auto& c, auto&, auto& a) { Player(c), a.actionType = 1, a.useKey = -1; }, "^ﾀｲﾐﾝｸﾞ@", 0,
     120, 0},
    {"item key 8 timing", ParamPage::Item, 1, 1,
     [](auto&, auto&, auto&, auto& a) { a.actionType = 1, a.useKey = 8; }, nullptr, 0, 0, 0},
    {"enemy key ignored", ParamPage::Character, 1, 1,
     [](auto&, auto& c, auto&, auto& a) { Enemy(c), a.actionType = 1, a.useKey = 3; }, nullptr, 0, 120, 0},
    {"enemy key range", ParamPage::Character, 1, 24, [](auto&, auto& c, auto&, auto&) { Enemy(c); },
     "ｼﾖｳ^ｷｰ@", -1, -1, -1},
    {"item action types", ParamPage::Item, 1, 23, [](auto&, auto&, auto&, auto&) {}, "^ｱｸｼｮﾝ@", 0, 13, 0},
    {"message marker", ParamPage::Item, 0, 21, [](auto&, auto&, auto&, auto&) {}, "^ﾒｯｾｰｼﾞ@", 130, 130, 0},
};

TEST(DescribeParam, FollowsTheDependencyTables) {
  for (const DescribeCase& c : kDescribeCases) {
    BlockDef block{};
    CharDef chara{};
    ItemDef item{};
    ActionDef action{};
    c.setUp(block, chara, item, action);
    const ParamDesc d = DescribeParam(c.page, c.index, c.slot, block, chara, item, action);
    SCOPED_TRACE(c.what);
    if (c.label != nullptr) {
      EXPECT_EQ(d.label, S(c.label));
    }
    EXPECT_EQ(d.min, c.min);
    EXPECT_EQ(d.max, c.max);
    EXPECT_EQ(d.def, c.def);
    EXPECT_EQ(d.Applicable(), c.min != 0 || c.max != 0);
  }
}

TEST(ValueDisplay, NamesNumbersAndNotApplicable) {
  ActionDef shot{};
  shot.actionType = 1;
  CharDef enemy{};
  enemy.kind = kCharEnemy;
  enemy.moveType = 4;
  ItemDef item{};
  struct Case {
    RecordKind record;
    int index;
    ParamDesc desc;
    int value;
    const char* shown;
  };
  const Case cases[] = {
      {RecordKind::Character, 18, DescribeCharParam(enemy, 18), 5, "----"},
      {RecordKind::Character, 8, DescribeCharParam(enemy, 8), 255, "ﾑﾃｷ"},
      {RecordKind::Character, 8, DescribeCharParam(enemy, 8), 200, "200"},
      {RecordKind::Character, 9, DescribeCharParam(enemy, 9), 4, " 4"},
      {RecordKind::Character, 14, DescribeCharParam(enemy, 14), -1, "-1"},
      {RecordKind::Character, 3, DescribeCharParam(enemy, 3), 19, "5-XｶﾞﾒﾝﾅｲA"},
      {RecordKind::Character, 3, DescribeCharParam(enemy, 3), 126, "ﾅｼ-^ｵｰﾙ@"},
      {RecordKind::Character, 3, DescribeCharParam(enemy, 3), 68, "1-YｶﾞﾒﾝﾅｲB"},
      {RecordKind::Character, 11, DescribeCharParam(enemy, 11), 23, "ﾏｴ1^ﾌﾞﾛｯｸ@A"},
      {RecordKind::Character, 11, DescribeCharParam(enemy, 11), 22, "10^ﾌﾞﾛｯｸ@B"},
      {RecordKind::Character, 5, DescribeCharParam(enemy, 5), 4, "16ﾊﾞｲ"},
      {RecordKind::Character, 16, DescribeCharParam(enemy, 16), -1, "^ﾌﾞﾛｯｸ@ﾏﾃﾞ"},
      {RecordKind::Item, 11, DescribeItemParam(item, 11), -127, "ｿﾉﾏﾏ"},
      {RecordKind::Item, 11, DescribeItemParam(item, 11), 10, "100ﾊﾞｲ"},
      {RecordKind::Item, 12, DescribeItemParam(item, 12), 0, " 0"},
      {RecordKind::Item, 4, DescribeItemParam(item, 4), 3, "^ｽﾃｰｼﾞ@3ﾍ"},
      {RecordKind::Item, 19, DescribeItemParam(item, 19), 121, "ｺﾃｲ"},
      {RecordKind::Item, 22, DescribeItemParam(item, 22), 16, "^ｴﾗｰ@"},
      {RecordKind::Action, 0, DescribeActionParam(kCharEnemy, shot, 0), 42, "ﾏｴ10^ﾌﾞﾛ@B"},
      {RecordKind::Action, 24, DescribeActionParam(kCharPlayer, ActionDef{}, 24), 7, "^ｱｸｼｮﾝ@C(ﾂｲｶ)"},
      {RecordKind::Action, 24, DescribeActionParam(kCharPlayer, ActionDef{}, 24), -2, "^ｵｰﾄ@(ﾍﾝｺｳ)"},
      {RecordKind::Action, 4, DescribeActionParam(kCharPlayer, shot, 4), 250, "250"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.shown);
    EXPECT_EQ(FormatParamValue(c.record, c.index, c.desc, c.value), S(c.shown));
  }
}

TEST(ValueNames, ListsBuiltByRuleHaveEveryValue) {
  const auto group = ValueNamesOf(RecordKind::Character, 3);
  ASSERT_EQ(group.size(), 127u);
  for (int v = 0; v < 127; ++v) EXPECT_EQ(group[v].value, v);
  EXPECT_EQ(group[0].name.view(), S("ﾅｼ-ｶﾞﾒﾝﾅｲA"));
  EXPECT_EQ(group[5].name.view(), S("ﾅｼ-YｶﾞﾒﾝﾅｲB"));
  EXPECT_EQ(group[65].name.view(), S("20-YｶﾞﾒﾝﾅｲA"));
  const auto territory = ValueNamesOf(RecordKind::Action, 0);
  ASSERT_EQ(territory.size(), 45u);
  EXPECT_EQ(territory.front().value, -2);
  EXPECT_EQ(territory.back().value, 42);
  EXPECT_EQ(territory[2 + 12].name.view(), S("0^ﾌﾞﾛｯｸ@B"));
  EXPECT_FALSE(FindValueName(RecordKind::Character, 9, 4).has_value());
}

TEST(ParamField, LocatesFieldsAndTheirWidths) {
  CharDef chara{};
  ParamField(chara, 8).Set(255);
  EXPECT_EQ(chara.hp, 255);
  EXPECT_EQ(ParamField(chara, 8).Get(), 255);
  EXPECT_EQ(ParamField(chara, 8).width, ParamWidth::UnsignedByte);
  ParamField(chara, 0).Set(-3);
  EXPECT_EQ(chara.faction, -3);
  ItemDef item{};
  ParamField(item, 13).Set(kKeepsPlayerValue);
  EXPECT_EQ(item.damage, kKeepsPlayerValue);
  EXPECT_EQ(ParamField(item, kMessageParam).width, ParamWidth::Message);
  ActionDef action{};
  ParamField(action, 23).Set(7);
  ParamField(action, 24).Set(-2);
  ParamField(action, 22).Set(15);
  EXPECT_EQ(action.actionType, 7);
  EXPECT_EQ(action.useKey, -2);
  EXPECT_EQ(action.maxSpeed, 15);
  EXPECT_EQ(ParamFieldName(RecordKind::Action, 15), "reach");
  EXPECT_EQ(ParamFieldName(RecordKind::Item, 17), "inertiaType");
}

TEST(ApplyActionDefaults, FillsOnlyAbsentSlots) {
  CharDef enemy{};
  enemy.kind = kCharEnemy;
  enemy.actions[4].actionType = 1;
  enemy.actions[4].speed = 9;
  ActionSlotSet present;
  present.set(4);
  ApplyActionDefaults(enemy, present);
  EXPECT_EQ(enemy.actions[4].speed, 9);
  EXPECT_EQ(enemy.actions[4].useKey, 0);
  for (int k : {0, 3, 5, 11}) {
    ActionDef want{};
    want.useKey = -1;
    EXPECT_EQ(enemy.actions[k], want) << k;
  }
  // A slot holding values is defaulted parameter by parameter: its type
  // decides the rows.
  CharDef player{};
  player.kind = kCharPlayer;
  player.actions[0].actionType = 2;
  ApplyActionDefaults(player, {});
  EXPECT_EQ(player.actions[0].actionType, 0);
  EXPECT_EQ(player.actions[0].useDuration, 7);
  EXPECT_EQ(player.actions[0].useInterval, 0);
}

}  // namespace
}  // namespace vh::stage
