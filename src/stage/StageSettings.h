// The stage's settings record: size, time, scroll, background, music and the
// physics values. Stage files carry it as its raw 456-byte image, padding
// included, so the field offsets are part of the file layout.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vh::stage {

inline constexpr int kChipPixels = 32;
inline constexpr int kMinWidthChips = 32;
inline constexpr int kMaxWidthChips = 512;
inline constexpr int kMinHeightChips = 15;
inline constexpr int kMaxHeightChips = 512;
inline constexpr int kUnlimitedTime = 601;    // "ﾑｾｲｹﾞﾝ"
inline constexpr int kFixedScroll = 121;      // auto-scroll value: the view does not move
inline constexpr int kNoScrollLimit = -1;     // "^ｵｰﾙ@"
inline constexpr int kBackgroundCount = 10;

struct StageSettings {
  int32_t backgroundIndex;       // 0
  int32_t widthPixels;           // 4
  int32_t widthChips;            // 8
  int32_t widthShift;            // 12
  int32_t heightPixels;          // 16
  int32_t heightChips;           // 20
  int32_t timeLimit;             // 24
  uint32_t initialFlags;         // 28: flag n is bit n-1
  int32_t autoScrollX;           // 32: tenths of a pixel per frame
  int32_t autoScrollY;           // 36
  char bgmPath[260];             // 40: Shift-JIS, relative, NUL-terminated
  uint8_t padding300[4];         // 300
  double gravity;                // 304
  int32_t frameRate;             // 312
  int32_t hitTestLevel;          // 316
  // Derived from hitTestLevel and gravity by UpdateDerivedPhysics.
  int32_t subSteps;              // 320
  uint8_t padding324[4];         // 324
  double subStepsAsDouble;       // 328
  double subStepsSquared;        // 336
  double speedCap;               // 344: per frame
  double gravityPerSubStep;      // 352
  double speedCapPerSubStep;     // 360
  int32_t subStepsTimes6;        // 368
  int32_t subStepsTimes30;       // 372
  int32_t scrollMinX;            // 376: chips, -1 = no limit
  int32_t scrollMaxX;            // 380
  int32_t scrollMinY;            // 384
  int32_t scrollMaxY;            // 388
  uint8_t reserved[64];          // 392
};

static_assert(sizeof(StageSettings) == 456);
static_assert(offsetof(StageSettings, bgmPath) == 40 && offsetof(StageSettings, padding300) == 300 &&
              offsetof(StageSettings, gravity) == 304 && offsetof(StageSettings, frameRate) == 312 &&
              offsetof(StageSettings, subSteps) == 320 && offsetof(StageSettings, subStepsAsDouble) == 328 &&
              offsetof(StageSettings, speedCap) == 344 && offsetof(StageSettings, gravityPerSubStep) == 352 &&
              offsetof(StageSettings, speedCapPerSubStep) == 360 &&
              offsetof(StageSettings, subStepsTimes6) == 368 &&
              offsetof(StageSettings, subStepsTimes30) == 372 &&
              offsetof(StageSettings, scrollMinX) == 376 && offsetof(StageSettings, scrollMaxY) == 388 &&
              offsetof(StageSettings, reserved) == 392);

// The settings of a new stage: every byte zero, then the defaults (32 x 15
// chips, unlimited time, gravity 0.4, 60 frames per second, no scroll limits,
// hit-test level 10).
StageSettings NewStageSettings();

// Stores the level and recomputes the derived fields: levels 11..19 run
// level - 10 sub-steps but keep the speed cap of 60 pixels per frame; every
// other level runs `level` sub-steps with a cap of six pixels per sub-step.
void UpdateDerivedPhysics(StageSettings& settings, int hitTestLevel);

// log2 of a power of two, -1 for anything else.
int ShiftOfWidth(int widthChips);

}  // namespace vh::stage
