#include "sound/SoundSystem.h"

#include <utility>

namespace vh::sound {

SoundSystem::SoundSystem(platform::Platform& platform, platform::Diagnostics& diagnostics,
                         std::filesystem::path root)
    : SoundSystem(platform::CreateAudioDevice(platform), diagnostics, std::move(root),
                  platform.Kind() == platform::BackendKind::Headless
                      ? FrameCounter([&platform] { return platform.FrameCount(); })
                      : FrameCounter()) {}

SoundSystem::SoundSystem(std::unique_ptr<platform::AudioDevice> device,
                         platform::Diagnostics& diagnostics, std::filesystem::path root,
                         FrameCounter frames)
    : device_(std::move(device)),
      diagnostics_(diagnostics),
      root_(std::move(root)),
      frames_(std::move(frames)) {}

SoundSystem::~SoundSystem() { device_->Close(); }

void SoundSystem::NotePlay(int soundId) {
  if (frames_) plays_.push_back({frames_(), soundId});
}

void CloseDeviceIfUnused(SoundSystem& sound) {
  if (!sound.deviceReady && sound.music.slots.empty()) sound.Device().Close();
}

}  // namespace vh::sound
