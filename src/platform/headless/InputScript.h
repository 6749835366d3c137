// The input of a headless run: a text file with one line per change.
//   FRAME KEY...                  from that frame on exactly these keys are held
//   FRAME mouse X Y [left] [right] from that frame on the mouse is there
//   # comment                     (also after a line's content)
// Frames count presented pictures, from 0. Key names are SDL key names
// ("Left", "Z", "Left Ctrl", "F1"), case-insensitive.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Platform.h"

namespace vh::platform {

struct ScriptChange {
  enum class Kind { Keys, Mouse };
  uint64_t frame = 0;
  Kind kind = Kind::Keys;
  std::vector<int> scancodes;  // Keys: the keys held from this frame on
  MouseReading mouse;          // Mouse
};

struct InputScript {
  std::vector<ScriptChange> changes;  // in file order; frames never go down
};

// Returns false with "line N: reason" in `error` for the first bad line.
bool ParseInputScript(std::string_view text, InputScript& script, std::string& error);
bool LoadInputScript(const std::filesystem::path& file, InputScript& script, std::string& error);

}  // namespace vh::platform
