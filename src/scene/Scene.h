// The common shape of a scene: a state index (-1 = not entered yet) run once
// per frame by Update().
#pragma once

namespace vh::scene {

class Scene {
 public:
  virtual ~Scene() = default;
  virtual void Update() = 0;
  // Frames per second measured by the frame step; only the game shows it.
  virtual void SetFps(int /*fps*/) {}

  int state = -1;
};

}  // namespace vh::scene
