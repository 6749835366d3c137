#include "platform/sdl/SdlPlatform.h"

#include <iostream>
#include <optional>

#include "platform/KeyTable.h"
#include "platform/MessageBoxButtons.h"
#include "platform/sdl/SdlEvents.h"
#include "platform/sdl/SdlMessageBox.h"

namespace vh::platform {
namespace {

// Audio starts its own part of SDL.
constexpr Uint32 kSubsystems =
    SDL_INIT_VIDEO | SDL_INIT_EVENTS | SDL_INIT_JOYSTICK | SDL_INIT_GAMECONTROLLER;

}  // namespace

std::unique_ptr<Platform> SdlPlatform::Create(std::string& error) {
  // Closing the window asks the game to close; it is not yet the end of the program.
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  if (SDL_InitSubSystem(kSubsystems) != 0) {
    error = std::string("SDL_Init: ") + SDL_GetError();
    return nullptr;
  }
  const Uint32 userType = SDL_RegisterEvents(1);
  if (userType == static_cast<Uint32>(-1)) {
    error = std::string("SDL_RegisterEvents: ") + SDL_GetError();
    SDL_QuitSubSystem(kSubsystems);
    return nullptr;
  }
  return std::unique_ptr<Platform>(new SdlPlatform(userType));
}

SdlPlatform::~SdlPlatform() {
  display_.Close();
  joysticks_.CloseAll();
  SDL_QuitSubSystem(kSubsystems);
  if (SDL_WasInit(SDL_INIT_EVERYTHING) == 0) SDL_Quit();
}

bool SdlPlatform::OpenWindow(const WindowConfig& config, std::string& error) {
  return display_.Open(config, error);
}

// A newly shown window is the active one; say so at once rather than rely on
// the window manager's focus event, which some desktops never send.
void SdlPlatform::ShowWindow() {
  if (!display_.IsOpen()) return;
  display_.Show();
  PostEvent({EventType::Activated, 0});
}

void SdlPlatform::SetCursorVisible(bool visible) {
  SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE);
}

bool SdlPlatform::Present(const uint32_t* pixels) {
  if (pixels == nullptr) return false;
  lastFrame_.assign(pixels, pixels + kPictureWidth * kPictureHeight);
  ++frameCount_;
  return display_.Present(pixels);
}

bool SdlPlatform::PollEvent(Event& event) {
  SDL_Event e;
  while (SDL_PollEvent(&e) != 0) {
    if (IsFullscreenToggle(e)) {
      display_.ToggleFullscreen();
      continue;
    }
    if (TranslateEvent(e, userEventType_, event)) return true;
  }
  return false;
}

void SdlPlatform::PostEvent(const Event& event) {
  SDL_Event e = MakeUserEvent(userEventType_, event);
  SDL_PushEvent(&e);
}

bool SdlPlatform::IsKeyDown(int virtualKey) const {
  int count = 0;
  const Uint8* state = SDL_GetKeyboardState(&count);
  return keys::IsVirtualKeyDown({state, static_cast<std::size_t>(count)}, virtualKey);
}

bool SdlPlatform::ReadJoystick(int id, JoystickReading& reading) {
  return joysticks_.Read(id, reading);
}

MouseReading SdlPlatform::ReadMouse() const {
  int x = 0, y = 0;
  const Uint32 buttons = SDL_GetMouseState(&x, &y);
  const PicturePoint p = display_.WindowToPicture(x, y);
  return {p.x, p.y, (buttons & SDL_BUTTON_LMASK) != 0, (buttons & SDL_BUTTON_RMASK) != 0};
}

// The mouse cursor is shown while a box is open, also over a full-screen
// picture that hides it, and restored afterwards.
int SdlPlatform::ShowMessageBox(const MessageBoxSpec& spec) {
  const int cursor = SDL_ShowCursor(SDL_QUERY);
  SDL_ShowCursor(SDL_ENABLE);
  const std::optional<int> result = ShowSdlMessageBox(display_.Window(), spec);
  SDL_ShowCursor(cursor);
  if (result) return *result;
  std::cerr << spec.caption << ": " << spec.text << '\n';
  return DefaultResult(spec);
}

int SdlPlatform::ShowChoiceBox(const ChoiceBoxSpec& spec) {
  const int cursor = SDL_ShowCursor(SDL_QUERY);
  SDL_ShowCursor(SDL_ENABLE);
  const std::optional<int> result = ShowSdlChoiceBox(display_.Window(), spec);
  SDL_ShowCursor(cursor);
  if (result) return *result;
  std::cerr << spec.caption << ": " << spec.text << '\n';
  return DefaultChoice(spec);
}

}  // namespace vh::platform
