#include "platform/MessageBoxButtons.h"

namespace vh::platform {

std::vector<MessageBoxButton> ButtonsOf(MessageBoxButtons buttons) {
  switch (buttons) {
    case MessageBoxButtons::Ok:
      return {{"OK", kIdOk}};
    case MessageBoxButtons::OkCancel:
      return {{"OK", kIdOk}, {"キャンセル", kIdCancel}};
    case MessageBoxButtons::YesNo:
      return {{"はい", kIdYes}, {"いいえ", kIdNo}};
    case MessageBoxButtons::YesNoCancel:
      return {{"はい", kIdYes}, {"いいえ", kIdNo}, {"キャンセル", kIdCancel}};
  }
  return {{"OK", kIdOk}};
}

int DefaultResult(const MessageBoxSpec& spec) {
  const auto buttons = ButtonsOf(spec.buttons);
  const bool inRange =
      spec.defaultButton >= 0 && spec.defaultButton < static_cast<int>(buttons.size());
  return buttons[inRange ? spec.defaultButton : 0].result;
}

int ClosedResult(MessageBoxButtons buttons) {
  switch (buttons) {
    case MessageBoxButtons::Ok:
      return kIdOk;
    case MessageBoxButtons::YesNo:
      return kIdNo;
    case MessageBoxButtons::OkCancel:
    case MessageBoxButtons::YesNoCancel:
      return kIdCancel;
  }
  return kIdCancel;
}

int DefaultChoice(const ChoiceBoxSpec& spec) {
  if (spec.buttons.empty()) return -1;
  const bool inRange =
      spec.defaultButton >= 0 && spec.defaultButton < static_cast<int>(spec.buttons.size());
  return inRange ? spec.defaultButton : 0;
}

}  // namespace vh::platform
