#include "stage/NumberedStageFile.h"

#include <gtest/gtest.h>

#include "StageTestSupport.h"

namespace vh::stage {
namespace {

using test::TempDir;
using test::WriteBytes;

TEST(NumberedStageFile, CandidatesRunFromTheHighestNumber) {
  const auto names = NumberedStageCandidates("data/stage1-1.stg3p");
  ASSERT_EQ(names.size(), 1300u);
  EXPECT_EQ(names.front(), "data/stage1-1.stg3p999");
  EXPECT_EQ(names[1], "data/stage1-1.stg3p998");
  EXPECT_EQ(names[999], "data/stage1-1.stg3p000");
  EXPECT_EQ(names[1000], "data/stage1-1.stg3_299");
  EXPECT_EQ(names.back(), "data/stage1-1.stg3_000");
  EXPECT_EQ(NumberedStageCandidates("dir.x/name")[0], "dir.x/name.stg3p999");
}

TEST(NumberedStageFile, HighestLoadableNumberWins) {
  TempDir dir;
  for (const char* name : {"x.stg3p100", "x.stg3p432", "x.stg3p500", "x.stg3_120", "y.stg3_120"})
    WriteBytes(dir / name, {0});
  std::vector<std::filesystem::path> tried;
  auto loadAllBut500 = [&](const std::filesystem::path& path) {
    tried.push_back(path.filename());
    return path.filename() != "x.stg3p500";
  };
  const auto found = FindNumberedStageFile(dir / "x.stg3p", loadAllBut500);
  ASSERT_TRUE(found.has_value());
  EXPECT_EQ(found->filename(), "x.stg3p432");
  EXPECT_EQ(tried, (std::vector<std::filesystem::path>{"x.stg3p500", "x.stg3p432"}));

  const auto older = FindNumberedStageFile(dir / "y.anything", [](const auto&) { return true; });
  ASSERT_TRUE(older.has_value());
  EXPECT_EQ(older->filename(), "y.stg3_120");

  EXPECT_FALSE(FindNumberedStageFile(dir / "x.stg3p", [](const auto&) { return false; }).has_value());
  EXPECT_FALSE(FindNumberedStageFile(dir / "z.stg3p", [](const auto&) { return true; }).has_value());
}

TEST(NumberedStageFile, SeriesContinueFromTheFirstStage) {
  EXPECT_EQ(SeriesStageBase("user_data/stg3/abc-1.stg3p432", 1), "user_data/stg3/abc-2.stg3p");
  EXPECT_EQ(SeriesStageBase("user_data/stg3/abc-1.stg3p432", 9), "user_data/stg3/abc-10.stg3p");
  EXPECT_FALSE(SeriesStageBase("user_data/stg3/abc-1.stg3p432", 10).has_value());
  EXPECT_FALSE(SeriesStageBase("user_data/stg3/abc.stg3p432", 1).has_value());
  EXPECT_FALSE(SeriesStageBase("user_data/stg3/abc-11.stg3p432", 1).has_value());
}

}  // namespace
}  // namespace vh::stage
