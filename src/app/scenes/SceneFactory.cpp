#include "app/scenes/SceneFactory.h"

#include <array>

#include "draw/BitmapList.h"
#include "scene/PlaceholderScene.h"
#include "sound/Music.h"

namespace vh::app {

namespace {

using namespace vh::draw;

// The bitmaps each scene loads on entry.
constexpr std::array<int, 5> kTitleBitmaps{kBmpTitle, kBmpFontSP, kBmpAccessory, kBmpWindow,
                                           kBmpFont32};
constexpr std::array<int, 3> kSelectBitmaps{kBmpWindow, kBmpFont32, kBmpAccessory};

// The title and select screens share song 0, so the title music runs on
// from one to the other.
void PlayTitleMusic(sound::SoundSystem& sound) {
  sound::PlayMusic(sound, 0, sound::kMusicTitle, sound::kMusicTable[sound::kMusicTitle], 0, false);
}

scene::PlaceholderScene::Setup SetupFor(AppState& app, int id) {
  scene::PlaceholderScene::Setup setup;
  setup.id = id;
  switch (id) {
    case scene::kTitleScene:
      setup.bitmapIds = kTitleBitmaps;
      setup.backdropSlot = kBmpTitle;
      setup.onEnter = [&app] { PlayTitleMusic(*app.sound); };
      break;
    case scene::kSelectScene:
      setup.bitmapIds = kSelectBitmaps;
      setup.backdropSlot = kBmpWindow;
      setup.onEnter = [&app] { PlayTitleMusic(*app.sound); };
      break;
    default:
      break;
  }
  return setup;
}

}  // namespace

SceneManager::Factory MakeSceneFactory(AppState& app) {
  return [&app](int id) -> std::unique_ptr<scene::Scene> {
    return std::make_unique<scene::PlaceholderScene>(*app.sceneContext, SetupFor(app, id));
  };
}

}  // namespace vh::app
