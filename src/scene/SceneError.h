// A scene that cannot be created or entered raises its reason as text; the
// frame step writes it to the debug log and closes the application.
#pragma once

#include <stdexcept>

namespace vh::scene {

class SceneError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

inline constexpr const char* kCreateError = "Create Error";
inline constexpr const char* kBitmapListError = "DDCreateSurfaceFromBitmapList Error";

}  // namespace vh::scene
