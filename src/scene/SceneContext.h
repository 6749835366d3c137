// What a scene reaches: the services of the application, passed down by
// reference (there are no globals).
#pragma once

#include "scene/SceneGlobals.h"

namespace vh::platform {
class Platform;
class Diagnostics;
}  // namespace vh::platform
namespace vh::draw {
struct DrawDevice;
}
namespace vh::input {
struct InputContext;
}
namespace vh::sound {
class SoundSystem;
}

namespace vh::scene {

struct SceneContext {
  platform::Platform& platform;
  platform::Diagnostics& diagnostics;
  draw::DrawDevice& draw;
  input::InputContext& input;
  sound::SoundSystem& sound;
  SceneGlobals& globals;
  int& frameRate;  // FrameRate: the game sets its stage's rate while it plays
};

}  // namespace vh::scene
