// A scene whose content is not built yet: it fades in, shows its backdrop
// (a bitmap slot, or black) and keeps the fade-out hand-over, so the scene
// flow works end to end.
#pragma once

#include <functional>

#include "scene/StateScene.h"

namespace vh::scene {

class PlaceholderScene : public StateScene {
 public:
  struct Setup {
    int id = kTitleScene;
    std::span<const int> bitmapIds;
    int backdropSlot = -1;  // drawn at (0, 0) every frame; -1 = clear to black
    std::function<void()> onEnter;  // e.g. start the scene's music
  };
  PlaceholderScene(SceneContext& context, Setup setup);

  enum State : int { kFadeIn = 0, kIdle = 1, kFadeOut = 2 };

  // Starts the hand-over to `next`.
  void Leave(int next);

 protected:
  void Enter() override;
  void RunState(int state) override;

 private:
  void DrawBackdrop();
  Setup setup_;
};

}  // namespace vh::scene
