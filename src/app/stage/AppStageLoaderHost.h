// What the application does while a stage loads on the worker: it shows the
// loading notice and keeps handling window events.
#pragma once

#include "app/AppState.h"
#include "stage/StageLoader.h"

namespace vh::app {

class AppStageLoaderHost final : public stage::StageLoaderHost {
 public:
  explicit AppStageLoaderHost(AppState& app) : app_(app) {}

  void ShowLoadingNotice() override;
  bool PumpEvent() override;
  uint32_t NowMs() override { return app_.platform->NowMs(); }

 private:
  AppState& app_;
};

// Makes the loader the scenes use; the window's close stops it.
void CreateStageLoader(AppState& app);

}  // namespace vh::app
