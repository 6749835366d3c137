// Owns the four scenes: exactly one exists at a time, created on demand when
// CurrentScene names it and destroyed when another is wanted.
#pragma once

#include <array>
#include <functional>
#include <memory>

#include "scene/Scene.h"
#include "scene/SceneGlobals.h"

namespace vh::app {

class SceneManager {
 public:
  // Makes scene `id`; returns null when it cannot be made.
  using Factory = std::function<std::unique_ptr<scene::Scene>(int id)>;

  SceneManager(scene::SceneGlobals& globals, Factory factory)
      : globals_(globals), factory_(std::move(factory)) {}
  ~SceneManager() { DestroyAll(); }

  // Makes scene `id` exist and every other not; throws SceneError("Create
  // Error") when the new scene cannot be made. Ids above 3 leave none alive.
  void Switch(int id);
  // Runs the current scene's Update; ids without a live scene update nothing.
  void UpdateCurrent();
  void DestroyAll();

  scene::Scene* Get(int id) const;
  scene::Scene* Game() const { return Get(scene::kGameScene); }

  // Remembered across visits of the select screen.
  int editMenuCursor = 0;
  int listCursor = 0;
  int listScroll = 0;
  int gameFlag = 1;

 private:
  void Destroy(int id);

  scene::SceneGlobals& globals_;
  Factory factory_;
  std::array<std::unique_ptr<scene::Scene>, 4> scenes_;
};

}  // namespace vh::app
