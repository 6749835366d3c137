#include <memory>

#include "platform/audio/AudioDevice.h"
#include "platform/audio/RecordingAudioDevice.h"

namespace vh::platform {

std::unique_ptr<AudioDevice> CreateAudioDevice(Platform& platform) {
  if (platform.Kind() == BackendKind::Headless) {
    return std::make_unique<RecordingAudioDevice>(false, "headless run");
  }
  return CreateSdlAudioDevice([&platform](int generation) {
    platform.PostEvent({EventType::MusicFinished, generation});
  });
}

}  // namespace vh::platform
