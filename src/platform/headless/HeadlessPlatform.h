// The back end without window or devices: a virtual clock that moves only
// when the program sleeps, the last presented picture kept in memory, input
// from a script, message boxes written out and answered with their default.
#pragma once

#include <array>
#include <cstddef>
#include <deque>
#include <mutex>
#include <ostream>

#include "platform/KeyTable.h"
#include "platform/Platform.h"
#include "platform/headless/InputScript.h"

namespace vh::platform {

class HeadlessPlatform final : public Platform {
 public:
  // Message boxes are written to `messages` (stderr in the program).
  HeadlessPlatform(InputScript script, std::ostream& messages);

  BackendKind Kind() const override { return BackendKind::Headless; }

  uint32_t NowMs() override;
  void SleepMs(uint32_t ms) override;

  bool OpenWindow(const WindowConfig& config, std::string& error) override;
  void ShowWindow() override {}
  void CloseWindow() override { windowOpen_ = false; }
  bool WindowOpen() const override { return windowOpen_; }
  std::string RendererName() const override { return "headless"; }
  int DesktopBitsPerPixel() const override { return 32; }
  int RefreshRate() const override { return 60; }
  void ToggleFullscreen() override { config_.windowed = !config_.windowed; }
  void SetCursorVisible(bool) override {}
  bool Present(const uint32_t* pixels) override;
  const std::vector<uint32_t>& LastFrame() const override { return lastFrame_; }

  bool PollEvent(Event& event) override;
  // Never blocks: nothing outside the program could end the wait.
  void WaitEvent() override {}
  void PostEvent(const Event& event) override;

  bool IsKeyDown(int virtualKey) const override;
  bool ReadJoystick(int id, JoystickReading& reading) override;
  MouseReading ReadMouse() const override { return mouse_; }

  int ShowMessageBox(const MessageBoxSpec& spec) override;
  int ShowChoiceBox(const ChoiceBoxSpec& spec) override;

  uint64_t FrameCount() const override { return frameCount_; }

 private:
  // Applies the script lines of the current frame.
  void ApplyScript();

  InputScript script_;
  std::size_t nextChange_ = 0;
  std::ostream& messages_;
  uint32_t now_ = 0;
  uint64_t frameCount_ = 0;
  bool windowOpen_ = false;
  WindowConfig config_;
  std::vector<uint32_t> lastFrame_;
  std::array<uint8_t, keys::kScancodeCount> keyState_{};
  MouseReading mouse_;
  std::mutex queueMutex_;
  std::deque<Event> queue_;
};

}  // namespace vh::platform
