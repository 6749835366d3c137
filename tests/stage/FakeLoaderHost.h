#pragma once

#include <cstdint>

#include "stage/StageLoader.h"

namespace vh::stage::test {

// A window that never closes unless told to, with a clock that moves by a
// fixed step on every reading.
class FakeLoaderHost : public StageLoaderHost {
 public:
  void ShowLoadingNotice() override { ++notices; }
  bool PumpEvent() override {
    ++pumps;
    return !quit;
  }
  uint32_t NowMs() override {
    const uint32_t now = clock;
    clock += clockStep;
    return now;
  }

  int notices = 0;
  int pumps = 0;
  bool quit = false;
  uint32_t clock = 0;
  uint32_t clockStep = 0;
};

}  // namespace vh::stage::test
