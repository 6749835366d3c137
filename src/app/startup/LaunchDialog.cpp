#include "app/startup/LaunchDialog.h"

namespace vh::app {

namespace {

enum Choice : int { kStartDirect3D = 0, kStartDirectDraw = 1, kAbort = 2 };

// A message box cannot hold radio buttons and a check box, so the dialog asks
// in two steps: the renderer (with start and abort), then whether to ask again.
int AskDrawMode(platform::Platform& platform, const BootSettings& boot) {
  platform::ChoiceBoxSpec spec;
  spec.caption = "描画モード";
  spec.text = "詳細な設定は環境設定ファイル「System.ini」で行って下さい。";
  spec.buttons = {"Direct3D", "DirectDraw", "ゲーム中止"};
  spec.defaultButton = boot.drawMode == 1 ? kStartDirect3D : kStartDirectDraw;
  spec.escapeButton = kAbort;
  return platform.ShowChoiceBox(spec);
}

bool AskHideNextTime(platform::Platform& platform, const BootSettings& boot) {
  platform::ChoiceBoxSpec spec;
  spec.caption = "描画モード";
  spec.text = "次回からこのダイアログを表示しない";
  spec.buttons = {"はい", "いいえ"};
  spec.defaultButton = boot.hideDialog != 0 ? 0 : 1;
  spec.escapeButton = 1;
  return platform.ShowChoiceBox(spec) == 0;
}

}  // namespace

bool LaunchDialog(platform::Platform& platform, BootSettings& boot,
                  const std::filesystem::path& bootFile) {
  const int choice = AskDrawMode(platform, boot);
  if (choice != kStartDirect3D && choice != kStartDirectDraw) return false;
  boot.drawMode = choice == kStartDirect3D ? 1 : 0;
  boot.hideDialog = AskHideNextTime(platform, boot) ? 1 : 0;
  WriteBoot(bootFile, boot);
  return true;
}

}  // namespace vh::app
