// The key assignment reader on any bytes; a record that decodes then drives
// the custom reader and the filters for a few frames, with devices scripted
// from the bytes after the record.
#include <cstddef>
#include <cstdint>
#include <span>

#include "input/InputFilters.h"
#include "input/InputReaders.h"
#include "input/KeyAssignment.h"

namespace {

class ScriptedDevices final : public vh::input::InputDevices {
 public:
  explicit ScriptedDevices(std::span<const uint8_t> script) : script_(script) {}

  bool IsKeyDown(int virtualKey) const override {
    return !script_.empty() && (script_[static_cast<size_t>(virtualKey) % script_.size()] & 1);
  }
  bool ReadJoystick(int id, vh::platform::JoystickReading& reading) override {
    const uint32_t seed = Next() | Next() << 8 | Next() << 16 | static_cast<uint32_t>(id) << 24;
    if (seed % 5 == 0) return false;
    reading = {seed & 0xFFFF, (seed >> 4) & 0xFFFF, seed * 2654435761u};
    return true;
  }
  vh::platform::MouseReading ReadMouse() const override { return {}; }

 private:
  uint32_t Next() { return script_.empty() ? 0 : script_[at_++ % script_.size()]; }

  std::span<const uint8_t> script_;
  size_t at_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> bytes(data, size);
  (void)vh::input::ParseKeyAssignment(bytes);
  if (size < vh::input::kKeyAssignmentBytes) return 0;
  const auto keys = vh::input::ParseKeyAssignment(bytes.first(vh::input::kKeyAssignmentBytes));
  if (!keys) __builtin_trap();

  ScriptedDevices devices(bytes.subspan(vh::input::kKeyAssignmentBytes));
  vh::input::InputState state;
  for (int frame = 0; frame < 40; ++frame) {
    vh::input::ReadFrameInput(state, devices, *keys);
    vh::input::UpdateInputHistory(state);
    vh::input::RepeatDirections(state);
    vh::input::FilterButtonEdges(state);
    if (vh::input::DirectionCodeOf(state) < 1 || vh::input::DirectionCodeOf(state) > 9) {
      __builtin_trap();
    }
    (void)vh::input::InputHistoryAt(state, vh::input::HistoryRing::Buttons, frame);
  }
  return 0;
}
