#include "platform/sdl/SdlMessageBox.h"

#include <vector>

#include "platform/MessageBoxButtons.h"

namespace vh::platform {
namespace {

Uint32 IconFlag(MessageBoxIcon icon) {
  switch (icon) {
    case MessageBoxIcon::Error:
      return SDL_MESSAGEBOX_ERROR;
    case MessageBoxIcon::Warning:
      return SDL_MESSAGEBOX_WARNING;
    case MessageBoxIcon::Information:
    case MessageBoxIcon::Question:
      return SDL_MESSAGEBOX_INFORMATION;
    case MessageBoxIcon::None:
      break;
  }
  return 0;
}

// Shows the box; the pressed button's id, -1 when the box was closed, or
// nothing when it could not be shown.
std::optional<int> Show(SDL_Window* parent, Uint32 flags, const std::string& caption,
                        const std::string& text, const std::vector<SDL_MessageBoxButtonData>& buttons) {
  SDL_MessageBoxData data{};
  data.flags = flags | SDL_MESSAGEBOX_BUTTONS_LEFT_TO_RIGHT;
  data.window = parent;
  data.title = caption.c_str();
  data.message = text.c_str();
  data.numbuttons = static_cast<int>(buttons.size());
  data.buttons = buttons.data();
  int pressed = -1;
  if (SDL_ShowMessageBox(&data, &pressed) != 0) return std::nullopt;
  return pressed;
}

}  // namespace

std::optional<int> ShowSdlMessageBox(SDL_Window* parent, const MessageBoxSpec& spec) {
  const std::vector<MessageBoxButton> kinds = ButtonsOf(spec.buttons);
  const int defaultResult = DefaultResult(spec);
  const int closedResult = ClosedResult(spec.buttons);
  // Escape answers like closing the box, except where the box has no way out
  // but "yes" or "no".
  const bool escapeAllowed = spec.buttons != MessageBoxButtons::YesNo;
  std::vector<SDL_MessageBoxButtonData> buttons;
  for (const MessageBoxButton& kind : kinds) {
    Uint32 flags = 0;
    if (kind.result == defaultResult) flags |= SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT;
    if (escapeAllowed && kind.result == closedResult) flags |= SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT;
    buttons.push_back({flags, kind.result, kind.label});
  }
  const std::optional<int> pressed = Show(parent, IconFlag(spec.icon), spec.caption, spec.text, buttons);
  if (!pressed) return std::nullopt;
  return *pressed < 0 ? closedResult : *pressed;
}

std::optional<int> ShowSdlChoiceBox(SDL_Window* parent, const ChoiceBoxSpec& spec) {
  const int defaultChoice = DefaultChoice(spec);
  std::vector<SDL_MessageBoxButtonData> buttons;
  for (int i = 0; i < static_cast<int>(spec.buttons.size()); ++i) {
    Uint32 flags = 0;
    if (i == defaultChoice) flags |= SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT;
    if (i == spec.escapeButton) flags |= SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT;
    buttons.push_back({flags, i, spec.buttons[i].c_str()});
  }
  return Show(parent, 0, spec.caption, spec.text, buttons);
}

}  // namespace vh::platform
