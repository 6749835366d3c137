#include "scene/StateScene.h"

#include <exception>

#include "draw/DrawDevice.h"
#include "draw/Primitives.h"
#include "draw/Surfaces.h"
#include "input/InputContext.h"
#include "input/InputFilters.h"
#include "platform/Diagnostics.h"
#include "platform/Platform.h"
#include "scene/SceneError.h"

namespace vh::scene {

namespace {
constexpr int kBlack = 16;
}

StateScene::StateScene(SceneContext& context, std::span<const int> bitmapIds)
    : ctx(context), bitmapIds_(bitmapIds) {}

StateScene::~StateScene() {
  for (int id : bitmapIds_) draw::DDReleaseSurface(ctx.draw.SurfaceTable[static_cast<size_t>(id)]);
}

void StateScene::LoadBitmaps() {
  if (!draw::DDCreateSurfaceFromBitmapList(ctx.draw, bitmapIds_)) throw SceneError(kBitmapListError);
}

void StateScene::Update() {
  input::RepeatDirections(ctx.input.state);
  input::FilterButtonEdges(ctx.input.state);
  if (state == -1) {
    try {
      Enter();
    } catch (const std::exception& error) {
      ctx.diagnostics.DebugLog(error.what());
      ctx.platform.PostClose();
    }
    state = 0;
  }
  RunState(state);
}

void StateScene::FinishLeaving(int ownId) {
  draw::DDClear(ctx.draw, ctx.draw.BackBuffer, kBlack);
  state = -1;
  ctx.globals.CurrentScene = ctx.globals.NextScene;
  ctx.globals.PreviousScene = ownId;
}

}  // namespace vh::scene
