// The JSON that `vormholt-cli stage dump` prints for a new stage and for a
// converted older file.
#include "StageJson.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "SampleStage.h"
#include "StageTestSupport.h"

namespace vh::stage {
namespace {

TEST(StageJson, NewStageShowsItsDefaults) {
  auto loaded = std::make_unique<LoadedStage>();
  BuildDefaultPalette(loaded->palette);
  test::SetName(loaded->palette.blockNames[1], "\x83\x75\x83\x8d\x83\x62\x83\x4e");
  NewStage(loaded->stage, loaded->palette);
  loaded->fileVersion = 432;
  const cli::Json json = cli::LoadedStageJson(*loaded);

  EXPECT_EQ(json.at("version"), 432);
  EXPECT_EQ(json.at("format"), "current");
  EXPECT_TRUE(json.at("replay").is_null());
  const cli::Json& settings = json.at("settings");
  EXPECT_EQ(settings.size(), 26u);
  EXPECT_EQ(settings.at("widthChips"), 32);
  EXPECT_EQ(settings.at("heightChips"), 15);
  EXPECT_EQ(settings.at("timeLimit"), 601);
  EXPECT_EQ(settings.at("gravity"), 0.4);
  EXPECT_EQ(settings.at("subSteps"), 10);
  EXPECT_EQ(settings.at("speedCap"), 60.0);
  EXPECT_EQ(settings.at("scrollMaxY"), -1);

  // Floor of 32 and two walls of 14 more cells each.
  ASSERT_EQ(json.at("blocks").size(), 60u);
  EXPECT_EQ(json.at("blocks").at(0).at("x"), 0);
  EXPECT_EQ(json.at("blocks").at(0).at("hitType"), 2);
  EXPECT_EQ(json.at("blocks").at(0).at("ignoreFaction"), -1);
  ASSERT_EQ(json.at("characters").size(), 1u);
  const cli::Json& player = json.at("characters").at(0);
  EXPECT_EQ(player.at("x"), 1);
  EXPECT_EQ(player.at("y"), 13);
  EXPECT_EQ(player.at("kind"), 1);
  EXPECT_EQ(player.at("facing"), 1);
  EXPECT_EQ(player.at("hp"), 10);
  EXPECT_EQ(player.at("maxSpeed"), 0);
  EXPECT_TRUE(player.at("actions").empty());
  EXPECT_TRUE(json.at("items").empty());

  const cli::Json& palette = json.at("palette");
  EXPECT_EQ(palette.at("names").at("blocks").at(1), "ブロック");
  ASSERT_EQ(palette.at("entries").size(), 65u);
  EXPECT_EQ(palette.at("entries").at(60).at("item").at("graphic"), 51);
  EXPECT_EQ(palette.at("entries").at(2).at("character").at("damage"), 4);
  EXPECT_EQ(palette.at("entries").at(7).at("item").at("giantScale"), -127);
  EXPECT_TRUE(palette.at("entries").at(7).at("item").at("message").is_null());
}

TEST(StageJson, PresentSlotsMessagesAndReplayCount) {
  auto loaded = std::make_unique<LoadedStage>();
  test::BuildSampleStage(loaded->stage, loaded->palette);
  loaded->inputLog = std::vector<int32_t>{1, 2, 3};
  const cli::Json json = cli::LoadedStageJson(*loaded);
  EXPECT_EQ(json.at("replay"), 3);
  const cli::Json& enemy = json.at("characters").at(0);
  EXPECT_EQ(enemy.at("x"), 5);
  ASSERT_EQ(enemy.at("actions").size(), 2u);
  EXPECT_EQ(enemy.at("actions").at("3").at("speed"), -5);
  EXPECT_EQ(enemy.at("actions").at("7").at("useKey"), 2);
  const cli::Json& item = json.at("items").at(0);
  EXPECT_EQ(item.at("message"), "ABC");
  EXPECT_EQ(item.at("messageLength"), 4);
  EXPECT_EQ(item.at("actions").at("0").at("actionType"), 2);
  EXPECT_EQ(json.at("settings").at("bgmPath"), "midi\\stage.mid");
}

TEST(StageJson, OlderFixtureShowsTheConvertedStage) {
  StageLoadRequest request;
  request.path = std::filesystem::path(std::getenv("VH_TEST_DATA")) / "stage" / "older16.stg3_120";
  test::TempDir empty;
  request.data.root = empty.path();
  auto loaded = std::make_unique<LoadedStage>();
  ASSERT_TRUE(LoadStageFile(request, *loaded).ok());
  const cli::Json json = cli::LoadedStageJson(*loaded);
  EXPECT_EQ(json.at("version"), 120);
  EXPECT_EQ(json.at("format"), "older");
  EXPECT_EQ(json.at("settings").at("widthChips"), 32);
  EXPECT_EQ(json.at("settings").at("heightChips"), 21);
  EXPECT_EQ(json.at("settings").at("scrollMaxX"), 12);
  EXPECT_EQ(json.at("settings").at("scrollMinY"), 3);
  EXPECT_EQ(json.at("characters").size(), 3u);
  // Row order: (5, 10) and (7, 10), then the player on row 19.
  EXPECT_EQ(json.at("characters").at(0).at("group"), 19);
  EXPECT_EQ(json.at("characters").at(0).at("actions").at("1").at("actionType"), 8);
  EXPECT_EQ(json.at("characters").at(1).at("group"), 126);
  EXPECT_EQ(json.at("characters").at(2).at("kind"), 1);
  EXPECT_EQ(json.at("items").at(0).at("message"), "ABC");
  EXPECT_EQ(json.at("replay"), 2);
}

}  // namespace
}  // namespace vh::stage
