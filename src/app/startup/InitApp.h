// Brings every subsystem up in its fixed order. Returns false at the first
// step that fails (the caller then shuts down what was made).
#pragma once

#include "app/AppState.h"

namespace vh::app {

bool InitApp(AppState& app);

}  // namespace vh::app
