// One pass of the frame step: pacing, input, scene switch and update, the FPS
// text and presentation.
#pragma once

#include "app/AppState.h"

namespace vh::app {

void RunFrame(AppState& app);

}  // namespace vh::app
