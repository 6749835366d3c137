// The 31 default sound effects, one recipe each, in sound-id order: menu
// ticks and blips, fanfares, swishes, hits, elements and item sounds.
#pragma once

#include "SoundSynth.h"

namespace vh::assetgen {

int EffectCount();
// The file name inside wave/ (UTF-8), e.g. "決定.wav".
const char* EffectFileName(int id);
// The finished effect at 22050 Hz: normalised to its peak, soft-edged.
Signal MakeEffect(int id);

}  // namespace vh::assetgen
