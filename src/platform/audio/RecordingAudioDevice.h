// An audio device that plays nothing and writes down what it was asked to do.
// Without output (headless runs, no audio hardware) it refuses to open, so the
// sound layer stays silent; with output it stands in for a real device in
// tests and accepts buffers and music like one.
#pragma once

#include <vector>

#include "platform/audio/AudioDevice.h"

namespace vh::platform {

enum class AudioOp {
  PlayBuffer,     // id, value = flags
  SetVolume,      // id, value = hundredths of a decibel
  ReleaseBuffer,  // id
  OpenMusic,      // value = length in ms
  PlayMusic,      // value = generation
  StopMusic,
  CloseMusic,
};

struct AudioCall {
  AudioOp op;
  int id = 0;
  int value = 0;
  bool operator==(const AudioCall&) const = default;
};

class RecordingAudioDevice final : public AudioDevice {
 public:
  // `hasOutput` false: Open fails with `reason` and the device is absent.
  explicit RecordingAudioDevice(bool hasOutput, std::string reason = "no audio output");

  bool Open(const PcmFormat& request, std::string& reason) override;
  bool IsOpen() const override { return open_; }
  std::string Description() const override;
  void Close() override;
  uint64_t MixedFrames() const override { return 0; }

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
  int MusicGeneration() const override { return generation_; }

  // Test controls: fail the next buffer creations or music opens.
  int failCreates = 0;
  int failDuplicates = 0;
  bool failMusicOpen = false;
  bool musicPlayerMissing = false;

  std::vector<AudioCall> calls;
  // Samples of each live buffer (shared by duplicates), by id; empty = free.
  std::vector<std::vector<uint8_t>> buffers;
  std::vector<PcmFormat> formats;
  bool musicOpen = false;

 private:
  bool hasOutput_;
  std::string reason_;
  bool open_ = false;
  PcmFormat format_;
  int generation_ = 0;
  AudioBufferId NewSlot(std::vector<uint8_t> samples, const PcmFormat& format);
  bool Live(AudioBufferId id) const;
};

}  // namespace vh::platform
