#include "app/messages/Messages.h"

namespace vh::app {

int Messages::ShowMessage(std::string_view text, std::string_view caption,
                          platform::MessageBoxButtons buttons, platform::MessageBoxIcon icon) {
  platform::MessageBoxSpec spec;
  spec.caption = caption;
  spec.text = text;
  spec.buttons = buttons;
  spec.icon = icon;
  return platform_.ShowMessageBox(spec);
}

void Messages::ErrorBox(std::string_view text) {
  ShowMessage(text, kErrorCaption, platform::MessageBoxButtons::Ok, platform::MessageBoxIcon::Error);
}

void Messages::OutOfMemory() {
  ErrorBox(kOutOfMemoryText);
  platform_.PostClose();
}

}  // namespace vh::app
