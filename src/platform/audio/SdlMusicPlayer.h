// MIDI music through SDL2_mixer and FluidSynth.
//
// Two behaviours of the synthesiser shape this class. A piece that has played
// cannot be rewound, so every play needs a fresh instance, and loading one
// (the soundfont goes into a new synthesiser) takes from a tenth of a second
// to seconds; the next instance is therefore loaded in the background while
// the current one plays. And the synthesiser reports its end only after a
// grace period of about two seconds, so the end of a piece is found here by
// counting the samples mixed since it started against its length; the
// mixer's own finished hook remains as the fallback.
#pragma once

#include <SDL2/SDL_mixer.h>

#include <atomic>
#include <cstdint>
#include <future>
#include <memory>
#include <string>
#include <vector>

#include "platform/audio/AudioDevice.h"

namespace vh::platform {

class SdlMusicPlayer {
 public:
  explicit SdlMusicPlayer(MusicFinishedHandler finished);
  ~SdlMusicPlayer();
  SdlMusicPlayer(const SdlMusicPlayer&) = delete;
  SdlMusicPlayer& operator=(const SdlMusicPlayer&) = delete;

  // Hooks into the open mixer, whose output rate is `frameRate`.
  void Attach(int frameRate);
  // Unhooks and closes the music; call before the mixer closes.
  void Detach();
  // Called on the audio thread after every mixed block of `frames` frames.
  void OnMixed(uint64_t frames);

  bool Open(std::vector<uint8_t> midiFile, uint32_t lengthMs, std::string& error);
  bool Play(std::string& error);
  void Stop();
  void Close();
  int Generation() const { return generation_.load(); }

 private:
  struct Piece {
    Mix_Music* music = nullptr;
    std::shared_ptr<const std::vector<uint8_t>> file;  // kept alive while the music exists
  };

  static Piece Load(std::shared_ptr<const std::vector<uint8_t>> file, std::string* error);
  static void Free(Piece& piece);
  static void MixerFinished();
  void Fire();
  void LoadNextInBackground();

  MusicFinishedHandler finished_;
  std::shared_ptr<const std::vector<uint8_t>> file_;
  uint64_t lengthFrames_ = 0;
  int frameRate_ = 0;
  Piece fresh_;    // loaded and never played
  Piece playing_;  // handed to the mixer
  std::future<Piece> next_;

  std::atomic<int> generation_{0};
  std::atomic<bool> armed_{false};  // the current play has not yet reported its end
  std::atomic<uint64_t> playedFrames_{0};
  std::atomic<uint64_t> endFrames_{0};
};

}  // namespace vh::platform
