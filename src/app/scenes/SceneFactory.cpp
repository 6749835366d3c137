#include "app/scenes/SceneFactory.h"

#include <array>

#include "draw/BitmapList.h"
#include "scene/PlaceholderScene.h"

namespace vh::app {

namespace {

using namespace vh::draw;

// The bitmaps each scene loads on entry.
constexpr std::array<int, 5> kTitleBitmaps{kBmpTitle, kBmpFontSP, kBmpAccessory, kBmpWindow,
                                           kBmpFont32};
constexpr std::array<int, 3> kSelectBitmaps{kBmpWindow, kBmpFont32, kBmpAccessory};

scene::PlaceholderScene::Setup SetupFor(int id) {
  scene::PlaceholderScene::Setup setup;
  setup.id = id;
  switch (id) {
    case scene::kTitleScene:
      setup.bitmapIds = kTitleBitmaps;
      setup.backdropSlot = kBmpTitle;
      break;
    case scene::kSelectScene:
      setup.bitmapIds = kSelectBitmaps;
      setup.backdropSlot = kBmpWindow;
      break;
    default:
      break;
  }
  return setup;
}

}  // namespace

SceneManager::Factory MakeSceneFactory(AppState& app) {
  return [&app](int id) -> std::unique_ptr<scene::Scene> {
    return std::make_unique<scene::PlaceholderScene>(*app.sceneContext, SetupFor(id));
  };
}

}  // namespace vh::app
