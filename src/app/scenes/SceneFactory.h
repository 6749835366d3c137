// Makes the scene for an id: what the scene manager creates on demand.
#pragma once

#include "app/AppState.h"
#include "app/scenes/SceneManager.h"

namespace vh::app {

SceneManager::Factory MakeSceneFactory(AppState& app);

}  // namespace vh::app
