// One pass of the frame step: pacing, input, scene switch and update, the FPS
// text and presentation.
#pragma once

#include "app/AppState.h"

namespace vh::app {

void RunFrame(AppState& app);

// Shows the BackBuffer: paces the accelerated renderer, presents, saves the
// screenshots asked for this frame and counts towards --frames.
void PresentFrame(AppState& app);

}  // namespace vh::app
