// Loading a stage through the application's loader: the notice is shown once
// and the loaded stage replaces the current one.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/startup/InitApp.h"
#include "app/startup/ShutdownApp.h"
#include "app/HeadlessPlatform.h"
#include "draw/BitmapList.h"
#include "draw/Surfaces.h"
#include "stage/StageFile.h"

namespace vh::app {
namespace {

TEST(StageLoading, ShowsTheNoticeOnceAndReplacesTheCurrentStage) {
  const auto root = std::filesystem::temp_directory_path() / "vh_stage_loading_test";
  std::filesystem::remove_all(root);
  std::filesystem::copy(VH_GAME_DIR, root, std::filesystem::copy_options::recursive);
  std::filesystem::current_path(root);

  stage::Stage saved;
  stage::Palette palette;
  stage::BuildDefaultPalette(palette);
  stage::NewStage(saved, palette);
  saved.settings.timeLimit = 123;
  ASSERT_TRUE(stage::SaveStageFile(root / "test.stg3p432", saved, palette).ok);

  AppState app(AppOptions{}, HeadlessPlatform());
  ASSERT_TRUE(InitApp(app));
  ASSERT_TRUE(draw::DDCreateSurfaceFromBitmapList(*app.draw, {draw::kBmpWindow, draw::kBmpFont32}));

  stage::StageLoadRequest request;
  request.path = root / "test.stg3p432";
  request.forEditor = true;
  const uint64_t framesBefore = app.platform->FrameCount();
  const stage::LoadResult result = app.stageLoader->Load(request, app.stage, app.palette, nullptr);
  ASSERT_TRUE(result.ok()) << result.message;
  EXPECT_EQ(app.platform->FrameCount(), framesBefore + 1) << "the notice is presented once";
  const auto& picture = app.platform->LastFrame();
  EXPECT_EQ(picture[10 * 640 + 10], 0u) << "the screen is cleared to black";
  EXPECT_NE(picture[240 * 640 + 320], 0u) << "the notice window is drawn in the middle";
  EXPECT_EQ(app.stage.settings.timeLimit, 123);

  ShutdownApp(app);
  std::filesystem::remove_all(root);
}

}  // namespace
}  // namespace vh::app
