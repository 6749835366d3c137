// Releases everything in the reverse order of start-up; safe after a failed
// or partial start.
#pragma once

#include "app/AppState.h"

namespace vh::app {

void ShutdownApp(AppState& app);

}  // namespace vh::app
