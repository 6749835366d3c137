// The message-box helpers every part of the application reports through.
#pragma once

#include <string>
#include <string_view>

#include "platform/Platform.h"

namespace vh::app {

inline constexpr const char* kErrorCaption = "エラー";
inline constexpr const char* kOutOfMemoryText = "メモリが不足しています！";

class Messages {
 public:
  explicit Messages(platform::Platform& platform) : platform_(platform) {}

  // Shows a box over the game window; returns the pressed button's id.
  int ShowMessage(std::string_view text, std::string_view caption,
                  platform::MessageBoxButtons buttons = platform::MessageBoxButtons::Ok,
                  platform::MessageBoxIcon icon = platform::MessageBoxIcon::None);
  void ErrorBox(std::string_view text);
  // Tells the user and closes the application through the normal shutdown.
  void OutOfMemory();

 private:
  platform::Platform& platform_;
};

}  // namespace vh::app
