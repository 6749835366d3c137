// The SDL2_mixer audio device. Every buffer owns one mixer channel, so
// restarting a buffer never cuts another one off; duplicates share the
// converted samples of their source.
#pragma once

#include <atomic>
#include <memory>
#include <vector>

#include "platform/audio/AudioDevice.h"
#include "platform/audio/SdlMusicPlayer.h"

namespace vh::platform {

class SdlAudioDevice final : public AudioDevice {
 public:
  SdlAudioDevice(MusicFinishedHandler musicFinished, SdlAudioOptions options);
  ~SdlAudioDevice() override;

  bool Open(const PcmFormat& request, std::string& reason) override;
  bool IsOpen() const override { return open_; }
  std::string Description() const override;
  void Close() override;
  uint64_t MixedFrames() const override { return mixedFrames_.load(); }

  AudioBufferId CreateBuffer(const PcmFormat& format, std::span<const uint8_t> samples,
                             std::string& error) override;
  AudioBufferId DuplicateBuffer(AudioBufferId source, std::string& error) override;
  void ReleaseBuffer(AudioBufferId id) override;
  void PlayBuffer(AudioBufferId id, uint32_t flags) override;
  void SetBufferVolume(AudioBufferId id, int hundredthsOfDb) override;

  bool StartMusicPlayer(std::vector<std::string>& reportLines) override;
  bool OpenMusic(std::vector<uint8_t> midiFile, uint32_t lengthMs, std::string& error) override;
  bool PlayMusic(std::string& error) override;
  void StopMusic() override;
  void CloseMusic() override;
  int MusicGeneration() const override { return music_.Generation(); }

 private:
  // Converted samples in the output format and the mixer's chunk over them.
  struct Sound {
    std::vector<uint8_t> samples;
    Mix_Chunk* chunk = nullptr;
    ~Sound();
  };

  static void PostMix(void* self, Uint8* stream, int bytes);
  bool OpenMixer(const PcmFormat& request, int allowedChanges);
  bool ConvertToOutput(const PcmFormat& format, std::span<const uint8_t> samples,
                       std::vector<uint8_t>& out, std::string& error) const;
  AudioBufferId TakeChannel(std::shared_ptr<Sound> sound);
  bool Live(AudioBufferId id) const;

  SdlAudioOptions options_;
  bool open_ = false;
  bool midiLoaded_ = false;
  bool musicReady_ = false;
  int rate_ = 0;
  Uint16 format_ = 0;
  int channels_ = 0;
  int bufferFrames_ = 0;
  int frameBytes_ = 1;
  std::atomic<uint64_t> mixedFrames_{0};
  std::vector<std::shared_ptr<Sound>> buffers_;  // index = mixer channel; null = free
  SdlMusicPlayer music_;
};

}  // namespace vh::platform
