#include "app/stage/AppStageLoaderHost.h"

#include "app/FrameStep.h"
#include "app/WindowEvents.h"
#include "draw/BitmapList.h"
#include "draw/Panels.h"
#include "draw/Primitives.h"
#include "draw/SjisLiteral.h"

namespace vh::app {

namespace {
constexpr int kBlack = 16;
constexpr int kFrameColour = 31;
}  // namespace

// Seven 32-pixel glyphs fill the 224 x 32 window exactly.
void AppStageLoaderHost::ShowLoadingNotice() {
  draw::DrawDevice& dd = *app_.draw;
  draw::DDClear(dd, dd.BackBuffer, kBlack);
  draw::DDDrawWindowText(dd, dd.BackBuffer, 208, 224, 224, 32, dd.SurfaceTable[draw::kBmpWindow], 1,
                         kFrameColour, dd.SurfaceTable[draw::kBmpFont32], 32, 32,
                         draw::Sjis("^ﾛｰﾄﾞ@ﾁｭｳ"), 0);
  PresentFrame(app_);
}

// A quit taken here ends the wait; it is posted again so that the main loop
// ends on it too.
bool AppStageLoaderHost::PumpEvent() {
  platform::Event event;
  if (!app_.platform->PollEvent(event)) return true;
  if (const auto exitCode = HandleEvent(app_, event)) {
    app_.platform->PostEvent({platform::EventType::Quit, *exitCode});
    return false;
  }
  return true;
}

void CreateStageLoader(AppState& app) {
  app.stageLoaderHost = std::make_unique<AppStageLoaderHost>(app);
  app.stageLoader = std::make_unique<stage::StageLoader>(*app.stageLoaderHost);
}

}  // namespace vh::app
