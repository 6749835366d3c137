#include "app/scenes/SceneManager.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "scene/SceneError.h"

namespace vh::app {
namespace {

// Records its life and enters like every scene: state -1 runs Enter first.
class TestScene : public scene::Scene {
 public:
  TestScene(int id, std::vector<std::string>& log) : id_(id), log_(log) {
    log_.push_back("create " + std::to_string(id_));
  }
  ~TestScene() override { log_.push_back("destroy " + std::to_string(id_)); }
  void Update() override {
    if (state == -1) {
      log_.push_back("enter " + std::to_string(id_));
      state = 0;
    }
    log_.push_back("update " + std::to_string(id_));
  }

 private:
  int id_;
  std::vector<std::string>& log_;
};

class SceneManagerTest : public ::testing::Test {
 protected:
  SceneManager::Factory Factory() {
    return [this](int id) -> std::unique_ptr<scene::Scene> {
      if (id == failingId) return nullptr;
      return std::make_unique<TestScene>(id, log);
    };
  }

  std::vector<std::string> log;
  int failingId = -1;
  scene::SceneGlobals globals;
};

TEST_F(SceneManagerTest, KeepsExactlyOneSceneAndTracksTheGameScene) {
  SceneManager manager(globals, Factory());
  manager.Switch(scene::kTitleScene);
  manager.Switch(scene::kTitleScene);  // already alive: nothing happens
  manager.Switch(scene::kGameScene);
  EXPECT_EQ(globals.ActiveGameScene, manager.Game());
  manager.Switch(scene::kEditScene);
  EXPECT_EQ(globals.ActiveGameScene, nullptr);
  EXPECT_EQ(log, (std::vector<std::string>{"create 0", "destroy 0", "create 2", "destroy 2",
                                           "create 3"}));
  manager.DestroyAll();
  EXPECT_EQ(log.back(), "destroy 3");
}

TEST_F(SceneManagerTest, IdsAboveThreeLeaveNoSceneAndUpdateNothing) {
  SceneManager manager(globals, Factory());
  manager.Switch(scene::kSelectScene);
  globals.CurrentScene = 7;
  manager.Switch(7);
  manager.UpdateCurrent();
  EXPECT_EQ(log, (std::vector<std::string>{"create 1", "destroy 1"}));
  for (int id = 0; id < 4; ++id) EXPECT_EQ(manager.Get(id), nullptr);
}

TEST_F(SceneManagerTest, HandingOverToItselfKeepsTheObjectAndEntersAgain) {
  SceneManager manager(globals, Factory());
  globals.CurrentScene = scene::kGameScene;
  manager.Switch(globals.CurrentScene);
  manager.UpdateCurrent();
  scene::Scene* game = manager.Game();
  game->state = -1;  // what a scene does when its fade-out ends on its own id
  manager.Switch(globals.CurrentScene);
  manager.UpdateCurrent();
  EXPECT_EQ(manager.Game(), game);
  EXPECT_EQ(log, (std::vector<std::string>{"create 2", "enter 2", "update 2", "enter 2",
                                           "update 2"}));
}

TEST_F(SceneManagerTest, ASceneThatCannotBeMadeRaisesCreateError) {
  SceneManager manager(globals, Factory());
  manager.Switch(scene::kTitleScene);
  failingId = scene::kEditScene;
  try {
    manager.Switch(scene::kEditScene);
    FAIL() << "expected Create Error";
  } catch (const scene::SceneError& error) {
    EXPECT_STREQ(error.what(), "Create Error");
  }
  EXPECT_EQ(manager.Get(scene::kTitleScene), nullptr) << "the others were destroyed first";
  globals.CurrentScene = scene::kEditScene;
  manager.UpdateCurrent();  // nothing to update
  EXPECT_EQ(log.back(), "destroy 0");
}

}  // namespace
}  // namespace vh::app
