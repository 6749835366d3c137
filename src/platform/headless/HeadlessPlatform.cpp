#include "platform/headless/HeadlessPlatform.h"

#include "platform/MessageBoxButtons.h"

namespace vh::platform {

HeadlessPlatform::HeadlessPlatform(InputScript script, std::ostream& messages)
    : script_(std::move(script)), messages_(messages) {
  // The "window" counts as focused from the start, so the program runs frames.
  queue_.push_back({EventType::Activated, 0});
  ApplyScript();
}

uint32_t HeadlessPlatform::NowMs() { return now_; }

void HeadlessPlatform::SleepMs(uint32_t ms) { now_ += ms; }

bool HeadlessPlatform::OpenWindow(const WindowConfig& config, std::string&) {
  config_ = config;
  windowOpen_ = true;
  return true;
}

bool HeadlessPlatform::Present(const uint32_t* pixels) {
  if (pixels != nullptr) lastFrame_.assign(pixels, pixels + kPictureWidth * kPictureHeight);
  ++frameCount_;
  ApplyScript();
  return false;
}

void HeadlessPlatform::ApplyScript() {
  while (nextChange_ < script_.changes.size() &&
         script_.changes[nextChange_].frame <= frameCount_) {
    const ScriptChange& change = script_.changes[nextChange_++];
    if (change.kind == ScriptChange::Kind::Mouse) {
      mouse_ = change.mouse;
      continue;
    }
    std::array<uint8_t, keys::kScancodeCount> held{};
    for (int scancode : change.scancodes) held[scancode] = 1;
    // A key that becomes held is also a key press, as on a real keyboard.
    std::lock_guard lock(queueMutex_);
    for (int scancode = 0; scancode < keys::kScancodeCount; ++scancode) {
      if (held[scancode] == 0 || keyState_[scancode] != 0) continue;
      if (const int vk = keys::VirtualKeyOfScancode(scancode); vk != 0)
        queue_.push_back({EventType::KeyDown, vk});
    }
    keyState_ = held;
  }
}

bool HeadlessPlatform::PollEvent(Event& event) {
  std::lock_guard lock(queueMutex_);
  if (queue_.empty()) return false;
  event = queue_.front();
  queue_.pop_front();
  return true;
}

void HeadlessPlatform::PostEvent(const Event& event) {
  std::lock_guard lock(queueMutex_);
  queue_.push_back(event);
}

bool HeadlessPlatform::IsKeyDown(int virtualKey) const {
  return keys::IsVirtualKeyDown(keyState_, virtualKey);
}

bool HeadlessPlatform::ReadJoystick(int, JoystickReading&) { return false; }

int HeadlessPlatform::ShowMessageBox(const MessageBoxSpec& spec) {
  messages_ << spec.caption << ": " << spec.text << '\n' << std::flush;
  return DefaultResult(spec);
}

int HeadlessPlatform::ShowChoiceBox(const ChoiceBoxSpec& spec) {
  messages_ << spec.caption << ": " << spec.text << '\n' << std::flush;
  return DefaultChoice(spec);
}

}  // namespace vh::platform
