#include "platform/audio/SdlMusicPlayer.h"

#include <utility>

namespace vh::platform {
namespace {

// The mixer's finished hook takes no argument and there is one mixer per
// process, so the player it reports to is kept here.
std::atomic<SdlMusicPlayer*> g_hookTarget{nullptr};

}  // namespace

SdlMusicPlayer::SdlMusicPlayer(MusicFinishedHandler finished) : finished_(std::move(finished)) {}

SdlMusicPlayer::~SdlMusicPlayer() { Close(); }

void SdlMusicPlayer::Attach(int frameRate) {
  frameRate_ = frameRate;
  g_hookTarget.store(this);
  Mix_HookMusicFinished(&SdlMusicPlayer::MixerFinished);
}

void SdlMusicPlayer::Detach() {
  Close();
  Mix_HookMusicFinished(nullptr);
  SdlMusicPlayer* self = this;
  g_hookTarget.compare_exchange_strong(self, nullptr);
}

SdlMusicPlayer::Piece SdlMusicPlayer::Load(std::shared_ptr<const std::vector<uint8_t>> file,
                                           std::string* error) {
  Piece piece;
  SDL_RWops* source = SDL_RWFromConstMem(file->data(), static_cast<int>(file->size()));
  if (source != nullptr) piece.music = Mix_LoadMUSType_RW(source, MUS_MID, SDL_TRUE);
  if (piece.music == nullptr) {
    if (error) *error = Mix_GetError();
    return piece;
  }
  piece.file = std::move(file);
  return piece;
}

void SdlMusicPlayer::Free(Piece& piece) {
  if (piece.music != nullptr) Mix_FreeMusic(piece.music);
  piece = Piece{};
}

bool SdlMusicPlayer::Open(std::vector<uint8_t> midiFile, uint32_t lengthMs, std::string& error) {
  Close();
  if (midiFile.empty() || midiFile.size() > 0x7fffffff) {
    error = "empty or oversized MIDI file";
    return false;
  }
  auto file = std::make_shared<const std::vector<uint8_t>>(std::move(midiFile));
  fresh_ = Load(file, &error);
  if (fresh_.music == nullptr) return false;
  file_ = std::move(file);
  lengthFrames_ = static_cast<uint64_t>(lengthMs) * static_cast<uint64_t>(frameRate_) / 1000;
  return true;
}

void SdlMusicPlayer::LoadNextInBackground() {
  next_ = std::async(std::launch::async, [file = file_] {
    Piece piece = Load(file, nullptr);
    SDL_TLSCleanup();  // SDL keeps per-thread error text; this thread is not one of its own
    return piece;
  });
}

bool SdlMusicPlayer::Play(std::string& error) {
  if (!file_) {
    error = "no music open";
    return false;
  }
  Stop();
  if (fresh_.music == nullptr && next_.valid()) fresh_ = next_.get();
  if (fresh_.music == nullptr) fresh_ = Load(file_, &error);
  if (fresh_.music == nullptr) return false;
  playing_ = std::exchange(fresh_, Piece{});

  generation_.fetch_add(1);
  playedFrames_.store(0);
  endFrames_.store(lengthFrames_);
  armed_.store(true);
  if (Mix_PlayMusic(playing_.music, 0) != 0) {
    armed_.store(false);
    error = Mix_GetError();
    Free(playing_);
    return false;
  }
  LoadNextInBackground();
  return true;
}

void SdlMusicPlayer::Stop() {
  armed_.store(false);
  if (playing_.music == nullptr) return;
  generation_.fetch_add(1);
  Mix_HaltMusic();
  Free(playing_);
}

void SdlMusicPlayer::Close() {
  Stop();
  if (next_.valid()) {
    Piece pending = next_.get();
    Free(pending);
  }
  Free(fresh_);
  file_.reset();
}

void SdlMusicPlayer::Fire() {
  if (armed_.exchange(false) && finished_) finished_(generation_.load());
}

void SdlMusicPlayer::OnMixed(uint64_t frames) {
  if (!armed_.load()) return;
  const uint64_t played = playedFrames_.fetch_add(frames) + frames;
  const uint64_t end = endFrames_.load();
  if (end > 0 && played >= end) Fire();
}

void SdlMusicPlayer::MixerFinished() {
  if (SdlMusicPlayer* player = g_hookTarget.load()) player->Fire();
}

}  // namespace vh::platform
