#include "app/startup/DisplayMode.h"

namespace vh::app {

DisplayMode ResolveDisplayMode(int direct3D, int windowValue, int bppValue, int vsyncValue,
                               int desktopBits) {
  DisplayMode mode;
  mode.direct3D = direct3D;
  mode.windowed = windowValue != 0 ? 1 : 0;
  mode.vsync = vsyncValue;
  if (direct3D == 1) {
    if (mode.vsync >= 2) mode.vsync = 1;
  } else if (mode.windowed) {
    mode.vsync = 0;
  } else if (mode.vsync >= 2) {
    mode.vsync = 0;
  }
  mode.colorBits = bppValue;
  if (bppValue == 0) {
    if (mode.windowed) {
      mode.colorBits = desktopBits;
    } else {
      mode.colorBits = direct3D == 1 ? 32 : 8;
    }
  }
  return mode;
}

std::optional<std::string> ValidateDisplayMode(const DisplayMode& mode, int desktopBits) {
  const bool deep = mode.colorBits == 16 || mode.colorBits == 32;
  if (mode.direct3D == 1) {
    if (!deep) return kDisplayModeMessageB;
  } else if (mode.colorBits == 8) {
    if (mode.windowed) return kDisplayModeMessageB;
    return std::nullopt;
  } else if (!deep) {
    return kDisplayModeMessageB;
  }
  if (mode.windowed && mode.colorBits != desktopBits) return kDisplayModeMessageA;
  return std::nullopt;
}

}  // namespace vh::app
