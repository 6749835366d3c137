// The game window: an SDL window and renderer showing the 640 x 480 picture
// through a streaming texture, scaled by a whole number and letterboxed.
#pragma once

#include <SDL2/SDL.h>

#include <cstdint>
#include <string>

#include "platform/Letterbox.h"
#include "platform/Platform.h"

namespace vh::platform {

class SdlDisplay {
 public:
  SdlDisplay() = default;
  SdlDisplay(const SdlDisplay&) = delete;
  SdlDisplay& operator=(const SdlDisplay&) = delete;
  ~SdlDisplay() { Close(); }

  // Creates the window hidden; on failure everything made is released again.
  bool Open(const WindowConfig& config, std::string& error);
  void Close();
  bool IsOpen() const { return window_ != nullptr; }
  void Show();

  std::string RendererName() const;
  // Returns whether presentation waited for the vertical blank.
  bool Present(const uint32_t* pixels);
  void ToggleFullscreen();

  SDL_Window* Window() const { return window_; }
  // A window position (as SDL reports the mouse) in picture coordinates.
  PicturePoint WindowToPicture(int x, int y) const;

 private:
  bool CreateRenderer(const WindowConfig& config, std::string& error);
  Viewport CurrentViewport() const;

  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  bool vsync_ = false;
  int windowedWidth_ = kPictureWidth;
  int windowedHeight_ = kPictureHeight;
};

// Facts about the desktop the window is (or would be) on.
int SdlDesktopBitsPerPixel(SDL_Window* window);
int SdlRefreshRate(SDL_Window* window);

}  // namespace vh::platform
