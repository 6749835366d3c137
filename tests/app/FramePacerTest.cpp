#include "app/pacing/FramePacer.h"

#include <gtest/gtest.h>

namespace vh::app {
namespace {

struct FakeClock {
  uint32_t now = 1000;
  FramePacer::Clock Fn() {
    return [this] { return now; };
  }
};

// Polls like the main loop does (1 ms sleeps) for `ms` and counts releases.
template <typename Due>
int FramesReleasedIn(FakeClock& clock, uint32_t ms, Due due) {
  int frames = 0;
  const uint32_t end = clock.now + ms;
  while (clock.now < end) {
    if (due()) ++frames;
    clock.now += 1;
  }
  return frames;
}

struct PacerCase {
  int rate;
  int millisecondPacer;  // frames in 10 s
};

class FramePacerRates : public ::testing::TestWithParam<PacerCase> {};

TEST_P(FramePacerRates, ReleasesFramesAtTheRatesEachPacerPromises) {
  const PacerCase c = GetParam();
  FakeClock clock;
  FramePacer pacer(clock.Fn());
  EXPECT_EQ(FramesReleasedIn(clock, 10000, [&] { return pacer.FrameDue(c.rate); }),
            c.millisecondPacer);

  FakeClock clock2;
  FramePacer fractional(clock2.Fn());
  // The cycle re-anchors after its last frame, so each second ends up to one
  // frame interval short: slightly above the rate, never below it.
  const int spread = FramesReleasedIn(clock2, 10000, [&] { return fractional.FrameDueD3D(c.rate); });
  EXPECT_GE(spread, 10 * c.rate);
  EXPECT_LE(spread, 10 * c.rate * 1000 / (1000 - 1000 / c.rate) + 1);
}

// The millisecond pacer measures from the release, so 60 gives 16 ms steps
// (62.5 per second) and 30 gives 33 ms steps.
INSTANTIATE_TEST_SUITE_P(Rates, FramePacerRates,
                         ::testing::Values(PacerCase{60, 625}, PacerCase{30, 304},
                                           PacerCase{120, 1250}));

TEST(FramePacer, RateZeroIsUnpaced) {
  FakeClock clock;
  FramePacer pacer(clock.Fn());
  EXPECT_TRUE(pacer.FrameDue(0));
  EXPECT_TRUE(pacer.FrameDue(0));
  EXPECT_TRUE(pacer.FrameDueD3D(0));
  EXPECT_TRUE(pacer.FrameDueD3D(0));
}

TEST(FramePacer, MillisecondPacerNeverCatchesUpLateness) {
  FakeClock clock;
  FramePacer pacer(clock.Fn());
  ASSERT_TRUE(pacer.FrameDue(60));
  clock.now += 100;  // a long frame
  ASSERT_TRUE(pacer.FrameDue(60));
  clock.now += 15;
  EXPECT_FALSE(pacer.FrameDue(60));
  clock.now += 1;
  EXPECT_TRUE(pacer.FrameDue(60));
}

TEST(FramePacer, CountFpsReportsThePreviousCompleteSecond) {
  FakeClock clock;
  FramePacer pacer(clock.Fn());
  for (int i = 0; i < 50; ++i) {
    EXPECT_EQ(pacer.CountFPS(1), 0) << "still in the first second";
    clock.now += 20;
  }
  // now = start + 1000: this frame closes the second and is not counted.
  EXPECT_EQ(pacer.CountFPS(1), 50);
  EXPECT_EQ(pacer.CountFPS(0), 50);
  for (int i = 0; i < 30; ++i) {
    clock.now += 33;
    pacer.CountFPS(1);
  }
  clock.now += 10;
  EXPECT_EQ(pacer.CountFPS(1), 30) << "the frame that closed the first second is not in the second";
}

}  // namespace
}  // namespace vh::app
