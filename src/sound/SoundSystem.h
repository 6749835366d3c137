// The sound context: the 31 effect groups, the music device record and the
// audio device they play through. One per application, passed by reference.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Diagnostics.h"
#include "platform/Platform.h"
#include "platform/audio/AudioDevice.h"
#include "sound/SoundTable.h"

namespace vh::sound {

struct SoundGroup {
  std::string name;  // the file it was loaded from (UTF-8 Windows path)
  std::vector<platform::AudioBufferId> buffers;  // the first holds the data, the rest share it
  std::vector<int> volumes;                      // per buffer, hundredths of a decibel
  int nextBuffer = 0;                            // buffers are used in turn
};

// One PlaySound call of a recorded (headless) run.
struct SoundPlay {
  uint64_t frame;
  int soundId;
  bool operator==(const SoundPlay&) const = default;
};

struct MusicSlot {
  std::string fileName;  // Shift-JIS Windows path as requested
  bool open = false;
};

struct MusicDevice {
  bool enabled = false;  // music switched on in the construction settings
  std::vector<MusicSlot> slots;
  int playingSlot = -1;
  int lastMusicId = -1;  // -1 also after a failed start
  bool playerStarted = false;
};

// Frames presented so far; the frame a PlaySound call belongs to.
using FrameCounter = std::function<uint64_t()>;

class SoundSystem {
 public:
  // The device for the platform's back end. Headless runs record every
  // PlaySound call with the platform's frame count.
  SoundSystem(platform::Platform& platform, platform::Diagnostics& diagnostics,
              std::filesystem::path root);
  // Any device. With `frames`, PlaySound calls are recorded.
  SoundSystem(std::unique_ptr<platform::AudioDevice> device, platform::Diagnostics& diagnostics,
              std::filesystem::path root, FrameCounter frames = {});
  ~SoundSystem();
  SoundSystem(const SoundSystem&) = delete;
  SoundSystem& operator=(const SoundSystem&) = delete;

  platform::AudioDevice& Device() { return *device_; }
  platform::Diagnostics& Diag() { return diagnostics_; }
  const std::filesystem::path& Root() const { return root_; }

  // Records the call when this is a recorded run.
  void NotePlay(int soundId);
  const std::vector<SoundPlay>& Plays() const { return plays_; }
  bool RecordsPlays() const { return static_cast<bool>(frames_); }

  std::array<SoundGroup, kSoundGroupCount> groups;
  bool deviceReady = false;  // DS_Init found an output; false = every effect is a no-op
  MusicDevice music;

 private:
  std::unique_ptr<platform::AudioDevice> device_;
  platform::Diagnostics& diagnostics_;
  std::filesystem::path root_;
  FrameCounter frames_;
  std::vector<SoundPlay> plays_;
};

// The text written to the debug log when an index is out of range.
inline constexpr const char* kOutOfRangeLine =
    "||||||||||||||||||||||| 配列外参照 |||||||||||||||||||||||";

// Closes the audio device once both the effects and the music are released.
void CloseDeviceIfUnused(SoundSystem& sound);

}  // namespace vh::sound
