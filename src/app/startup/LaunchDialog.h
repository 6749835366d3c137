// The launch dialog: lets the user pick the renderer when System.ini asks for
// it, and remembers the choice in user_data/Boot.dat.
#pragma once

#include <filesystem>

#include "app/settings/BootSettings.h"
#include "platform/Platform.h"

namespace vh::app {

// Shows the dialog with `boot` preselected. On "ゲーム開始" stores the choice
// in `boot`, writes it to `bootFile` (a write failure is ignored) and returns
// true; on "ゲーム中止" returns false.
bool LaunchDialog(platform::Platform& platform, BootSettings& boot,
                  const std::filesystem::path& bootFile);

}  // namespace vh::app
