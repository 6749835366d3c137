// A scene driven by a table of state handlers, with the common update every
// scene shares: the menu input filters, Enter() on the first frame (guarded:
// a raised text is logged and closes the application) and the current handler.
#pragma once

#include <array>
#include <span>

#include "scene/Scene.h"
#include "scene/SceneContext.h"

namespace vh::scene {

class StateScene : public Scene {
 public:
  StateScene(SceneContext& context, std::span<const int> bitmapIds);
  ~StateScene() override;  // releases the scene's bitmaps

  void Update() override;

 protected:
  // Loads the scene's bitmaps; raises "DDCreateSurfaceFromBitmapList Error".
  void LoadBitmaps();
  virtual void Enter() = 0;
  virtual void RunState(int state) = 0;

  // The hand-over: when the fade-out is complete, clear to black, mark this
  // scene not entered and make NextScene current.
  void FinishLeaving(int ownId);

  SceneContext& ctx;

 private:
  std::span<const int> bitmapIds_;
};

}  // namespace vh::scene
