// The back end with a real window, devices and clock, over SDL.
#pragma once

#include <SDL2/SDL.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "platform/sdl/SdlDisplay.h"
#include "platform/sdl/SdlJoysticks.h"

namespace vh::platform {

class SdlPlatform final : public Platform {
 public:
  // Starts SDL's video, event and joystick parts; null with a reason on failure.
  static std::unique_ptr<Platform> Create(std::string& error);
  ~SdlPlatform() override;

  BackendKind Kind() const override { return BackendKind::Sdl; }

  uint32_t NowMs() override { return SDL_GetTicks(); }
  void SleepMs(uint32_t ms) override { SDL_Delay(ms); }

  bool OpenWindow(const WindowConfig& config, std::string& error) override;
  void ShowWindow() override;
  void CloseWindow() override { display_.Close(); }
  bool WindowOpen() const override { return display_.IsOpen(); }
  std::string RendererName() const override { return display_.RendererName(); }
  int DesktopBitsPerPixel() const override { return SdlDesktopBitsPerPixel(display_.Window()); }
  int RefreshRate() const override { return SdlRefreshRate(display_.Window()); }
  void ToggleFullscreen() override { display_.ToggleFullscreen(); }
  void SetCursorVisible(bool visible) override;
  bool Present(const uint32_t* pixels) override;
  const std::vector<uint32_t>& LastFrame() const override { return lastFrame_; }

  bool PollEvent(Event& event) override;
  void WaitEvent() override { SDL_WaitEvent(nullptr); }
  void PostEvent(const Event& event) override;

  bool IsKeyDown(int virtualKey) const override;
  bool ReadJoystick(int id, JoystickReading& reading) override;
  MouseReading ReadMouse() const override;

  int ShowMessageBox(const MessageBoxSpec& spec) override;
  int ShowChoiceBox(const ChoiceBoxSpec& spec) override;

  uint64_t FrameCount() const override { return frameCount_; }

 private:
  explicit SdlPlatform(Uint32 userEventType) : userEventType_(userEventType) {}

  Uint32 userEventType_;
  SdlDisplay display_;
  SdlJoysticks joysticks_;
  std::vector<uint32_t> lastFrame_;
  uint64_t frameCount_ = 0;
};

}  // namespace vh::platform
