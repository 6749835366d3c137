// The buttons of each message box kind, with the result each one returns,
// shared by the SDL boxes and the headless answers.
#pragma once

#include <string>
#include <vector>

#include "platform/Platform.h"

namespace vh::platform {

struct MessageBoxButton {
  const char* label;  // UTF-8
  int result;         // kIdOk, kIdCancel, kIdYes or kIdNo
};

std::vector<MessageBoxButton> ButtonsOf(MessageBoxButtons buttons);

// The result of the default button (an index out of range means the first).
int DefaultResult(const MessageBoxSpec& spec);

// The result when the box is closed without a button: Cancel where there is
// one, else No, else OK.
int ClosedResult(MessageBoxButtons buttons);

// The default index of a choice box, -1 when it has no buttons.
int DefaultChoice(const ChoiceBoxSpec& spec);

}  // namespace vh::platform
