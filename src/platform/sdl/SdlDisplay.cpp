#include "platform/sdl/SdlDisplay.h"

#include "platform/sdl/WindowIcon.h"

namespace vh::platform {
namespace {

std::string SdlError(const char* call) { return std::string(call) + ": " + SDL_GetError(); }

int DisplayOf(SDL_Window* window) {
  const int index = window != nullptr ? SDL_GetWindowDisplayIndex(window) : 0;
  return index >= 0 ? index : 0;
}

int InitialScale(const WindowConfig& config) {
  if (config.scale > 0) return config.scale;
  SDL_Rect usable{};
  if (SDL_GetDisplayUsableBounds(0, &usable) != 0) return 1;
  return ComfortableWindowScale(usable.w, usable.h);
}

void SetIcon(SDL_Window* window) {
  std::vector<uint32_t> icon = MakeWindowIcon();
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(
      icon.data(), kWindowIconSize, kWindowIconSize, 32, kWindowIconSize * 4,
      SDL_PIXELFORMAT_ARGB8888);
  if (surface == nullptr) return;  // a window without an icon still works
  SDL_SetWindowIcon(window, surface);
  SDL_FreeSurface(surface);
}

}  // namespace

bool SdlDisplay::Open(const WindowConfig& config, std::string& error) {
  if (window_ != nullptr) {
    error = "the window is already open";
    return false;
  }
  const int scale = InitialScale(config);
  windowedWidth_ = kPictureWidth * scale;
  windowedHeight_ = kPictureHeight * scale;
  Uint32 flags = SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI;
  if (!config.windowed) flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
  window_ = SDL_CreateWindow(config.title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                             windowedWidth_, windowedHeight_, flags);
  if (window_ == nullptr) {
    error = SdlError("SDL_CreateWindow");
    return false;
  }
  SDL_SetWindowMinimumSize(window_, kPictureWidth / 2, kPictureHeight / 2);
  SetIcon(window_);
  // The game reads keys, not text: without this an input method could take
  // the key presses for itself.
  SDL_StopTextInput();
  if (!CreateRenderer(config, error)) {
    Close();
    return false;
  }
  return true;
}

bool SdlDisplay::CreateRenderer(const WindowConfig& config, std::string& error) {
  Uint32 flags = config.accelerated ? SDL_RENDERER_ACCELERATED : SDL_RENDERER_SOFTWARE;
  if (config.vsync) flags |= SDL_RENDERER_PRESENTVSYNC;
  renderer_ = SDL_CreateRenderer(window_, -1, flags);
  if (renderer_ == nullptr) {
    error = SdlError("SDL_CreateRenderer");
    return false;
  }
  SDL_RendererInfo info{};
  vsync_ = SDL_GetRendererInfo(renderer_, &info) == 0 && (info.flags & SDL_RENDERER_PRESENTVSYNC);

  texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_XRGB8888, SDL_TEXTUREACCESS_STREAMING,
                               kPictureWidth, kPictureHeight);
  if (texture_ == nullptr) {
    error = SdlError("SDL_CreateTexture");
    return false;
  }
  SDL_SetTextureScaleMode(texture_, SDL_ScaleModeNearest);
  return true;
}

void SdlDisplay::Close() {
  if (texture_ != nullptr) SDL_DestroyTexture(texture_);
  if (renderer_ != nullptr) SDL_DestroyRenderer(renderer_);
  if (window_ != nullptr) SDL_DestroyWindow(window_);
  texture_ = nullptr;
  renderer_ = nullptr;
  window_ = nullptr;
  vsync_ = false;
}

void SdlDisplay::Show() {
  if (window_ == nullptr) return;
  SDL_ShowWindow(window_);
  SDL_RaiseWindow(window_);
}

std::string SdlDisplay::RendererName() const {
  SDL_RendererInfo info{};
  if (renderer_ == nullptr || SDL_GetRendererInfo(renderer_, &info) != 0) return {};
  return info.name != nullptr ? info.name : "";
}

Viewport SdlDisplay::CurrentViewport() const {
  int w = 0, h = 0;
  if (renderer_ == nullptr || SDL_GetRendererOutputSize(renderer_, &w, &h) != 0) return {};
  return FitPicture(w, h);
}

bool SdlDisplay::Present(const uint32_t* pixels) {
  if (texture_ == nullptr || pixels == nullptr) return false;
  SDL_UpdateTexture(texture_, nullptr, pixels, kPictureWidth * 4);
  const Viewport v = CurrentViewport();
  const SDL_Rect target{v.x, v.y, v.width, v.height};
  SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
  SDL_RenderClear(renderer_);
  SDL_RenderCopy(renderer_, texture_, nullptr, &target);
  SDL_RenderPresent(renderer_);
  return vsync_;
}

void SdlDisplay::ToggleFullscreen() {
  if (window_ == nullptr) return;
  if (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN) {
    SDL_SetWindowFullscreen(window_, 0);
    SDL_SetWindowSize(window_, windowedWidth_, windowedHeight_);
    SDL_SetWindowPosition(window_, SDL_WINDOWPOS_CENTERED_DISPLAY(DisplayOf(window_)),
                          SDL_WINDOWPOS_CENTERED_DISPLAY(DisplayOf(window_)));
  } else {
    SDL_GetWindowSize(window_, &windowedWidth_, &windowedHeight_);
    SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN_DESKTOP);
  }
}

PicturePoint SdlDisplay::WindowToPicture(int x, int y) const {
  int windowW = 0, windowH = 0, outputW = 0, outputH = 0;
  if (window_ == nullptr || renderer_ == nullptr) return {};
  SDL_GetWindowSize(window_, &windowW, &windowH);
  SDL_GetRendererOutputSize(renderer_, &outputW, &outputH);
  if (windowW <= 0 || windowH <= 0) return {};
  // The output may have more pixels than the window has points (high DPI).
  const int outX = static_cast<int>(static_cast<long long>(x) * outputW / windowW);
  const int outY = static_cast<int>(static_cast<long long>(y) * outputH / windowH);
  return OutputToPicture(FitPicture(outputW, outputH), outX, outY);
}

int SdlDesktopBitsPerPixel(SDL_Window* window) {
  SDL_DisplayMode mode{};
  if (SDL_GetDesktopDisplayMode(DisplayOf(window), &mode) != 0) return 32;
  const int bits = SDL_BITSPERPIXEL(mode.format);
  // Any true-colour desktop (24 or 32 bits) counts as 32, as on the desktops
  // the settings were written for.
  return bits >= 24 || bits == 0 ? 32 : bits;
}

int SdlRefreshRate(SDL_Window* window) {
  SDL_DisplayMode mode{};
  if (SDL_GetDesktopDisplayMode(DisplayOf(window), &mode) != 0 || mode.refresh_rate <= 0)
    return 60;
  return mode.refresh_rate;
}

}  // namespace vh::platform
