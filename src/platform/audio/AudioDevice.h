// The sound output the game needs: static PCM buffers that restart from the
// beginning when played, with a volume each, and one MIDI music stream that
// reports the end of play. Two implementations: the SDL2_mixer device, and a
// recording device that plays nothing (headless runs, no audio hardware, tests).
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "platform/audio/PcmFormat.h"

namespace vh::platform {

using AudioBufferId = int;
inline constexpr AudioBufferId kNoAudioBuffer = -1;

// PlayBuffer flags.
inline constexpr uint32_t kPlayLooping = 1;

// A finished piece of music: called with the play generation it belongs to,
// possibly from the audio thread.
using MusicFinishedHandler = std::function<void(int generation)>;

class AudioDevice {
 public:
  virtual ~AudioDevice() = default;

  // Opens the output with the requested format where the hardware allows it.
  // False, with the reason, when there is no output: everything stays silent.
  virtual bool Open(const PcmFormat& request, std::string& reason) = 0;
  virtual bool IsOpen() const = 0;
  // One line for the report: driver, rate, bits, channels, buffer size.
  virtual std::string Description() const = 0;
  // Releases buffers and music and closes the output. Safe to repeat.
  virtual void Close() = 0;
  // Sample frames mixed since the device hooked into the output, just after
  // opening it (the first block or two may come before). A buffer played
  // now starts with the next block.
  virtual uint64_t MixedFrames() const = 0;

  // A buffer holding a copy of `samples` in `format`; kNoAudioBuffer (with the
  // reason) when the device cannot make it.
  virtual AudioBufferId CreateBuffer(const PcmFormat& format, std::span<const uint8_t> samples,
                                     std::string& error) = 0;
  // A second buffer sharing the samples of `source`, playable at the same time.
  virtual AudioBufferId DuplicateBuffer(AudioBufferId source, std::string& error) = 0;
  virtual void ReleaseBuffer(AudioBufferId id) = 0;
  // Stops the buffer, sets its position to 0 and plays it (kPlayLooping: forever).
  virtual void PlayBuffer(AudioBufferId id, uint32_t flags) = 0;
  // Volume in hundredths of a decibel, 0 = full, -10000 = silent.
  virtual void SetBufferVolume(AudioBufferId id, int hundredthsOfDb) = 0;

  // Makes the MIDI synthesiser ready. False when music cannot be played; the
  // lines say why (and which soundfont paths were searched).
  virtual bool StartMusicPlayer(std::vector<std::string>& reportLines) = 0;
  // Takes a standard MIDI file and its playing length (from the start to the
  // end of its last track); fails with the reason when it cannot be played.
  virtual bool OpenMusic(std::vector<uint8_t> midiFile, uint32_t lengthMs, std::string& error) = 0;
  // Plays the open piece from the start. Each play is a new generation; when
  // it reaches its length the finished handler is called once with it.
  virtual bool PlayMusic(std::string& error) = 0;
  virtual void StopMusic() = 0;
  virtual void CloseMusic() = 0;
  virtual int MusicGeneration() const = 0;
};

// Options of the SDL2_mixer device (tests, tools and measurements choose a
// driver such as "disk" and its output file; empty = SDL's choice).
struct SdlAudioOptions {
  std::string driver;
  std::string diskFile;
  int bufferFrames = 0;  // 0 = the smallest that keeps an effect within ~25 ms
  // Where to look for a soundfont after SDL_SOUNDFONTS; empty = the Debian places.
  std::vector<std::filesystem::path> soundFonts;
};

std::unique_ptr<AudioDevice> CreateSdlAudioDevice(MusicFinishedHandler musicFinished,
                                                  const SdlAudioOptions& options = {});

// The device for the platform's back end: SDL2_mixer for the SDL back end,
// a silent recording device for the headless one. The end of music is posted
// to the platform as EventType::MusicFinished with the generation as value.
std::unique_ptr<AudioDevice> CreateAudioDevice(Platform& platform);

}  // namespace vh::platform
