// Turns the System.ini values into the effective display mode and checks the
// combination before anything is drawn.
#pragma once

#include <optional>
#include <string>

namespace vh::app {

struct DisplayMode {
  int direct3D = 0;  // 1 = accelerated renderer, 0 = software renderer
  int windowed = 0;
  int colorBits = 0;
  int vsync = 0;
};

inline constexpr const char* kDisplayModeMessageA =
    "画面モードが不正です！\nウインドウモードではSystem.iniの設定と画面の色の設定を合わせて下さい！";
inline constexpr const char* kDisplayModeMessageB =
    "画面モードが不正です！\nSystem.iniと画面の設定を見直して下さい！";

// `direct3D` is already resolved to 0 or 1 (launch dialog done). Automatic
// V-sync in DirectDraw full screen behaves as on current systems (off).
DisplayMode ResolveDisplayMode(int direct3D, int windowValue, int bppValue, int vsyncValue,
                               int desktopBits);

// The error message for an invalid combination, or nothing when valid.
std::optional<std::string> ValidateDisplayMode(const DisplayMode& mode, int desktopBits);

}  // namespace vh::app
