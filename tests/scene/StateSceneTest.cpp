// The common scene update and the hand-over between scenes, on a headless
// platform and a 32-bit drawing device with no pictures loaded.
#include "scene/PlaceholderScene.h"

#include <gtest/gtest.h>

#include "draw/DrawDevice.h"
#include "input/InputContext.h"
#include "platform/Diagnostics.h"
#include "platform/Platform.h"
#include "platform/audio/RecordingAudioDevice.h"
#include "scene/SceneError.h"
#include "sound/SoundSystem.h"

namespace vh::scene {
namespace {

std::unique_ptr<platform::Platform> HeadlessPlatform() {
  platform::PlatformOptions options;
  options.kind = platform::BackendKind::Headless;
  std::string error;
  return platform::CreatePlatform(options, error);
}

class SceneFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::Event activated;
    while (platform->PollEvent(activated)) {
    }
    draw::DDInitParams params;
    params.direct3D = 1;
    ASSERT_TRUE(draw::DDInit(dd, params));
  }

  // Events queued since the last call.
  std::vector<platform::EventType> Events() {
    std::vector<platform::EventType> types;
    platform::Event event;
    while (platform->PollEvent(event)) types.push_back(event.type);
    return types;
  }

  std::unique_ptr<platform::Platform> platform = HeadlessPlatform();
  platform::RecordingDiagnostics diagnostics;
  draw::DrawDevice dd{diagnostics, "."};
  input::InputContext input;
  sound::SoundSystem sound{std::make_unique<platform::RecordingAudioDevice>(false), diagnostics,
                           "."};
  SceneGlobals globals;
  int frameRate = 60;
  SceneContext context{*platform, diagnostics, dd, input, sound, globals, frameRate};
};

// A scene whose entry fails the way a scene with a missing picture does.
class FailingScene : public StateScene {
 public:
  explicit FailingScene(SceneContext& context) : StateScene(context, {}) {}
  int handled = 0;

 protected:
  void Enter() override { throw SceneError(kBitmapListError); }
  void RunState(int) override { ++handled; }
};

TEST_F(SceneFixture, AFailedEntryIsLoggedClosesTheApplicationAndTheSceneStillRuns) {
  FailingScene scene(context);
  scene.Update();
  EXPECT_EQ(diagnostics.debugLines, std::vector<std::string>{kBitmapListError});
  EXPECT_EQ(Events(), std::vector<platform::EventType>{platform::EventType::CloseRequested});
  EXPECT_EQ(scene.state, 0);
  EXPECT_EQ(scene.handled, 1);
  scene.Update();
  EXPECT_EQ(diagnostics.debugLines.size(), 1u) << "Enter runs once per entry";
}

TEST_F(SceneFixture, LeavingFadesOutThenHandsOverToTheNextScene) {
  PlaceholderScene::Setup setup;
  setup.id = kSelectScene;
  PlaceholderScene scene(context, setup);
  globals.CurrentScene = kSelectScene;
  int frames = 0;
  while (scene.state != PlaceholderScene::kIdle && frames < 100) {
    scene.Update();
    ++frames;
  }
  ASSERT_EQ(scene.state, PlaceholderScene::kIdle) << "the fade-in completes";

  scene.Leave(kGameScene);
  frames = 0;
  while (scene.state == PlaceholderScene::kFadeOut) {
    scene.Update();
    ++frames;
  }
  EXPECT_EQ(frames, 16) << "the fade-out completes on its 16th frame";
  EXPECT_EQ(scene.state, -1);
  EXPECT_EQ(globals.CurrentScene, kGameScene);
  EXPECT_EQ(globals.PreviousScene, kSelectScene);
  EXPECT_TRUE(Events().empty());
}

}  // namespace
}  // namespace vh::scene
