#include "stage/StageSettings.h"

#include <bit>
#include <cstring>

namespace vh::stage {

StageSettings NewStageSettings() {
  StageSettings s;
  std::memset(&s, 0, sizeof s);
  s.backgroundIndex = 0;
  s.widthChips = kMinWidthChips;
  s.widthShift = 5;
  s.widthPixels = kMinWidthChips * kChipPixels;
  s.heightChips = kMinHeightChips;
  s.heightPixels = kMinHeightChips * kChipPixels;
  s.timeLimit = kUnlimitedTime;
  s.gravity = 0.4;
  s.frameRate = 60;
  s.scrollMinX = s.scrollMaxX = s.scrollMinY = s.scrollMaxY = kNoScrollLimit;
  UpdateDerivedPhysics(s, 10);
  return s;
}

void UpdateDerivedPhysics(StageSettings& s, int level) {
  const bool keepsFrameCap = level >= 11 && level <= 19;
  s.hitTestLevel = level;
  s.subSteps = keepsFrameCap ? level - 10 : level;
  const double steps = s.subSteps;
  s.subStepsAsDouble = steps;
  s.subStepsSquared = steps * steps;
  s.speedCap = keepsFrameCap ? 60.0 : steps * 6.0;
  s.speedCapPerSubStep = s.speedCap / steps;
  s.subStepsTimes6 = s.subSteps * 6;
  s.subStepsTimes30 = s.subSteps * 30;
  s.gravityPerSubStep = s.gravity / s.subStepsSquared;
}

int ShiftOfWidth(int widthChips) {
  if (widthChips <= 0 || !std::has_single_bit(static_cast<unsigned>(widthChips))) return -1;
  return std::countr_zero(static_cast<unsigned>(widthChips));
}

}  // namespace vh::stage
