#include "stage/StageLoader.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <thread>

#include "FakeLoaderHost.h"
#include "SampleStage.h"
#include "StageTestSupport.h"

namespace vh::stage {
namespace {

class StageLoaderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::BuildSampleStage(sample, samplePalette);
    ASSERT_TRUE(SaveStageFile(dir / "sample.rpl3p432", sample, samplePalette, &sampleLog).ok);
    BuildDefaultPalette(palette);
    NewStage(stage, palette);
  }

  StageLoadRequest Request(const char* name, bool forEditor) const {
    StageLoadRequest request;
    request.path = dir / name;
    request.forEditor = forEditor;
    return request;
  }

  test::TempDir dir;
  Stage sample;
  Palette samplePalette;
  std::vector<int32_t> sampleLog = {5, 6};
  Stage stage;
  Palette palette;
  std::vector<int32_t> log;
  test::FakeLoaderHost host;
};

// A worker that only ends when it is told to stop.
LoadResult WaitForCancel(const StageLoadRequest&, LoadedStage&, const std::atomic<bool>* cancel) {
  while (!cancel->load()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  return LoadFailure(LoadStatus::Interrupted);
}

TEST_F(StageLoaderTest, EditorLoadReplacesStagePaletteUndoMapAndLog) {
  StageLoader loader(host);
  stage.undoMap.Release();
  const LoadResult result = loader.Load(Request("sample.rpl3p432", true), stage, palette, &log);
  ASSERT_TRUE(result.ok()) << result.message;
  EXPECT_EQ(host.notices, 1);
  EXPECT_TRUE(stage.map == sample.map);
  EXPECT_EQ(std::memcmp(&stage.settings, &sample.settings, sizeof(StageSettings)), 0);
  EXPECT_TRUE(palette == samplePalette);
  EXPECT_EQ(stage.undoMap.Width(), 32);
  EXPECT_EQ(stage.undoMap.Height(), 15);
  EXPECT_EQ(log, sampleLog);
  EXPECT_FALSE(loader.Busy());
}

TEST_F(StageLoaderTest, GameLoadShowsNoNoticeAndKeepsTheUndoMap) {
  StageLoader loader(host);
  stage.undoMap.Release();
  ASSERT_TRUE(loader.Load(Request("sample.rpl3p432", false), stage, palette, nullptr).ok());
  EXPECT_EQ(host.notices, 0);
  EXPECT_EQ(stage.undoMap.CellCount(), 0);
  EXPECT_TRUE(stage.map == sample.map);
}

TEST_F(StageLoaderTest, MissingFileFailsAtOnceAndChangesNothing) {
  StageLoader loader(host);
  const Stage before = stage;
  const LoadResult result = loader.Load(Request("missing.stg3p432", true), stage, palette, &log);
  EXPECT_EQ(result.status, LoadStatus::CannotOpen);
  EXPECT_TRUE(result.message.empty());
  EXPECT_FALSE(result.closeWindow);
  EXPECT_EQ(host.notices, 1);
  EXPECT_TRUE(stage.map == before.map);
}

TEST_F(StageLoaderTest, GivesUpAfterTenWholeSeconds) {
  StageLoader loader(host, WaitForCancel);
  host.clockStep = 3333;  // readings 0, 3333, 6666, 9999, 13332
  const Stage before = stage;
  const LoadResult result = loader.Load(Request("sample.rpl3p432", false), stage, palette, &log);
  EXPECT_EQ(result.status, LoadStatus::TimedOut);
  EXPECT_EQ(result.message, "メモリ不足により、ファイルの読み込みに失敗しました！");
  EXPECT_TRUE(result.closeWindow);
  EXPECT_EQ(host.pumps, 4);  // 9.999 s was still within the limit
  EXPECT_TRUE(stage.map == before.map);
  EXPECT_TRUE(loader.Busy());
  loader.Stop();
  EXPECT_FALSE(loader.Busy());
}

TEST_F(StageLoaderTest, QuitRequestEndsTheWaitAndStopEndsTheWorker) {
  StageLoader loader(host, WaitForCancel);
  host.quit = true;
  const LoadResult result = loader.Load(Request("sample.rpl3p432", true), stage, palette, &log);
  EXPECT_EQ(result.status, LoadStatus::Interrupted);
  EXPECT_EQ(host.pumps, 1);
  EXPECT_TRUE(log.empty());
  EXPECT_TRUE(loader.Busy());
  loader.Stop();
  EXPECT_FALSE(loader.Busy());
}

}  // namespace
}  // namespace vh::stage
