#include "app/scenes/SceneManager.h"

#include "scene/SceneError.h"

namespace vh::app {

namespace {
bool IsSceneId(int id) { return id >= 0 && id <= 3; }
}  // namespace

scene::Scene* SceneManager::Get(int id) const {
  return IsSceneId(id) ? scenes_[static_cast<size_t>(id)].get() : nullptr;
}

void SceneManager::Destroy(int id) {
  if (id == scene::kGameScene) globals_.ActiveGameScene = nullptr;
  scenes_[static_cast<size_t>(id)].reset();
}

void SceneManager::Switch(int id) {
  if (IsSceneId(id) && scenes_[static_cast<size_t>(id)]) return;
  for (int other = 0; other < 4; ++other) {
    if (other != id) Destroy(other);
  }
  if (!IsSceneId(id)) return;
  std::unique_ptr<scene::Scene> created;
  try {
    created = factory_(id);
  } catch (const std::bad_alloc&) {
    created.reset();
  }
  if (!created) throw scene::SceneError(scene::kCreateError);
  if (id == scene::kGameScene) globals_.ActiveGameScene = created.get();
  scenes_[static_cast<size_t>(id)] = std::move(created);
}

void SceneManager::UpdateCurrent() {
  if (scene::Scene* current = Get(globals_.CurrentScene)) current->Update();
}

void SceneManager::DestroyAll() {
  for (int id = 0; id < 4; ++id) Destroy(id);
}

}  // namespace vh::app
