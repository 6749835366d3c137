// The operating-system services the game needs, behind one interface with two
// back ends: SDL (a real window, devices and clock) and headless (no window,
// virtual clock, input from a script). Nothing outside src/platform sees SDL.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vh::platform {

inline constexpr int kPictureWidth = 640;
inline constexpr int kPictureHeight = 480;

enum class BackendKind { Sdl, Headless };

// What the game asks of the window when it opens it.
struct WindowConfig {
  std::string title = "Game";
  bool windowed = true;
  bool accelerated = true;  // accelerated renderer; false asks for the software one
  bool vsync = false;       // presentation waits for the vertical blank
  int scale = 0;            // window scale; 0 = largest integer scale that fits comfortably
};

enum class EventType {
  CloseRequested,  // window close button, or PostClose()
  Activated,       // the window gained the input focus
  Deactivated,     // the window lost it
  KeyDown,         // value = Windows virtual-key code
  MusicFinished,   // the music stream reached its end (posted from the audio thread)
  Quit,            // the window is gone; the main loop ends with value as exit code
};

struct Event {
  EventType type;
  int value = 0;
};

// One joystick reading on the 0..65535 scale, centre 32767.
struct JoystickReading {
  uint32_t x = 32767;
  uint32_t y = 32767;
  uint32_t buttons = 0;  // bit n = button n + 1
};

// Mouse in picture coordinates (0..639, 0..479), already unscaled.
struct MouseReading {
  int x = 0;
  int y = 0;
  bool left = false;
  bool right = false;
};

enum class MessageBoxButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageBoxIcon { None, Error, Warning, Information, Question };

// Results use the familiar numeric ids so callers can compare with them.
enum MessageBoxResult : int { kIdOk = 1, kIdCancel = 2, kIdYes = 6, kIdNo = 7 };

struct MessageBoxSpec {
  std::string caption;  // UTF-8
  std::string text;     // UTF-8, line breaks as '\n'
  MessageBoxButtons buttons = MessageBoxButtons::Ok;
  MessageBoxIcon icon = MessageBoxIcon::None;
  int defaultButton = 0;  // index of the default button (0 = first)
};

// A message box with buttons of the caller's choosing (used by the launch
// dialog). Returns the index of the pressed button, or -1 when closed.
struct ChoiceBoxSpec {
  std::string caption;
  std::string text;
  std::vector<std::string> buttons;
  int defaultButton = 0;
  int escapeButton = -1;
};

class Platform {
 public:
  virtual ~Platform() = default;

  virtual BackendKind Kind() const = 0;

  // Clock: milliseconds since start, wrapping at 2^32 like a multimedia timer.
  // The headless clock advances only in SleepMs, so a headless run does not
  // depend on how fast the machine is.
  virtual uint32_t NowMs() = 0;
  virtual void SleepMs(uint32_t ms) = 0;

  // Window and presentation.
  virtual bool OpenWindow(const WindowConfig& config, std::string& error) = 0;
  virtual void ShowWindow() = 0;
  virtual void CloseWindow() = 0;
  virtual bool WindowOpen() const = 0;
  virtual std::string RendererName() const = 0;
  virtual int DesktopBitsPerPixel() const = 0;  // 32 for any true-colour desktop
  virtual int RefreshRate() const = 0;          // Hz, 60 when unknown
  virtual void ToggleFullscreen() = 0;
  virtual void SetCursorVisible(bool visible) = 0;
  // Shows a 640 x 480 XRGB8888 picture. Returns whether presentation waited for
  // the vertical blank (the caller's pacer still limits the frame rate).
  virtual bool Present(const uint32_t* pixels) = 0;
  // The last presented picture, 640 x 480 XRGB8888 (empty before the first).
  virtual const std::vector<uint32_t>& LastFrame() const = 0;

  // Events. PollEvent never blocks; WaitEvent blocks until an event is queued.
  // PostEvent may be called from any thread.
  virtual bool PollEvent(Event& event) = 0;
  virtual void WaitEvent() = 0;
  virtual void PostEvent(const Event& event) = 0;
  void PostClose() { PostEvent({EventType::CloseRequested, 0}); }

  // Input devices, polled once per frame by the input layer.
  virtual bool IsKeyDown(int virtualKey) const = 0;
  virtual bool ReadJoystick(int id, JoystickReading& reading) = 0;
  virtual MouseReading ReadMouse() const = 0;

  // Modal message boxes; headless writes "caption: text" to stderr and
  // answers with the default button.
  virtual int ShowMessageBox(const MessageBoxSpec& spec) = 0;
  virtual int ShowChoiceBox(const ChoiceBoxSpec& spec) = 0;

  // Frames presented so far (the headless script and screenshots count by it).
  virtual uint64_t FrameCount() const = 0;
};

struct PlatformOptions {
  BackendKind kind = BackendKind::Sdl;
  std::string scriptPath;  // headless input script; empty = no input
};

// Creates the chosen back end. Returns null with a reason in `error`.
std::unique_ptr<Platform> CreatePlatform(const PlatformOptions& options, std::string& error);

}  // namespace vh::platform
