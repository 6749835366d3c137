#include "scene/PlaceholderScene.h"

#include "draw/Blit.h"
#include "draw/DrawDevice.h"
#include "draw/Fade.h"
#include "draw/Primitives.h"

namespace vh::scene {

namespace {
constexpr int kBlack = 16;
constexpr double kFadeStep = 6.0;
}  // namespace

PlaceholderScene::PlaceholderScene(SceneContext& context, Setup setup)
    : StateScene(context, setup.bitmapIds), setup_(std::move(setup)) {}

void PlaceholderScene::Enter() {
  if (setup_.onEnter) setup_.onEnter();
  LoadBitmaps();
}

void PlaceholderScene::Leave(int next) {
  ctx.globals.NextScene = next;
  state = kFadeOut;
}

void PlaceholderScene::DrawBackdrop() {
  draw::DrawDevice& dd = ctx.draw;
  if (setup_.backdropSlot < 0) {
    draw::DDClear(dd, dd.BackBuffer, kBlack);
    return;
  }
  const draw::SurfaceDesc& backdrop = dd.SurfaceTable[static_cast<size_t>(setup_.backdropSlot)];
  draw::DDBlt(dd, dd.BackBuffer, 0, 0, draw::kScreenWidth, draw::kScreenHeight, backdrop, 0, 0, 0);
}

void PlaceholderScene::RunState(int current) {
  draw::DrawDevice& dd = ctx.draw;
  switch (current) {
    case kFadeIn:
      DrawBackdrop();
      if (draw::DDFadeIn(dd, dd.ShownPalette, 0, 255, 0, 0, 0, kFadeStep, dd.TruePalette, 0)) {
        state = kIdle;
      }
      break;
    case kIdle:
      DrawBackdrop();
      break;
    case kFadeOut:
      DrawBackdrop();
      if (draw::DDFadeOut(dd, dd.ShownPalette, 0, 255, 0, 0, 0, kFadeStep, dd.TruePalette, 0)) {
        FinishLeaving(setup_.id);
      }
      break;
    default:
      break;
  }
}

}  // namespace vh::scene
