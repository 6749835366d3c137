// The scene-change state every scene reads and writes.
#pragma once

namespace vh::scene {

class Scene;

enum SceneId : int { kTitleScene = 0, kSelectScene = 1, kGameScene = 2, kEditScene = 3 };

// What the title menu chose.
enum PlayModeId : int {
  kPlayNormal = 0,
  kPlayHell = 1,
  kPlayEditMenu = 2,
  kPlayReplay = 3,
  kPlayQuit = 4,
};

struct SceneGlobals {
  int CurrentScene = kTitleScene;
  int NextScene = kTitleScene;
  int PreviousScene = kTitleScene;
  int PlayMode = kPlayNormal;
  Scene* ActiveGameScene = nullptr;  // the game scene while it exists
};

}  // namespace vh::scene
