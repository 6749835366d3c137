#include "platform/audio/SdlAudioDevice.h"

#include <SDL2/SDL.h>

#include <algorithm>
#include <cstring>
#include <utility>

#include "platform/audio/SoundFontSearch.h"

namespace vh::platform {
namespace {

// The largest power of two whose duration stays within about 12 ms, so an
// effect started in a frame is heard one or two mix blocks later (< 25 ms).
int DefaultBufferFrames(int rate) {
  int frames = 64;
  while (frames * 2 * 1000 <= rate * 12) frames *= 2;
  return frames;
}

Uint16 SdlFormatOf(const PcmFormat& format) {
  return format.bitsPerSample == 8 ? AUDIO_U8 : AUDIO_S16LSB;
}

}  // namespace

SdlAudioDevice::Sound::~Sound() {
  if (chunk != nullptr) Mix_FreeChunk(chunk);
}

SdlAudioDevice::SdlAudioDevice(MusicFinishedHandler musicFinished, SdlAudioOptions options)
    : options_(std::move(options)), music_(std::move(musicFinished)) {}

SdlAudioDevice::~SdlAudioDevice() { Close(); }

bool SdlAudioDevice::OpenMixer(const PcmFormat& request, int allowedChanges) {
  const int frames = options_.bufferFrames > 0 ? options_.bufferFrames
                                               : DefaultBufferFrames(request.samplesPerSec);
  return Mix_OpenAudioDevice(request.samplesPerSec, SdlFormatOf(request), request.channels, frames,
                             nullptr, allowedChanges) == 0;
}

bool SdlAudioDevice::Open(const PcmFormat& request, std::string& reason) {
  if (open_) return true;
  if (!IsPlayablePcm(request, static_cast<size_t>(FrameBytes(request)))) {
    reason = "unsupported output format";
    return false;
  }
  if (!options_.driver.empty()) SDL_SetHint(SDL_HINT_AUDIODRIVER, options_.driver.c_str());
  if (!options_.diskFile.empty()) SDL_setenv("SDL_DISKAUDIOFILE", options_.diskFile.c_str(), 1);
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    reason = std::string("SDL audio: ") + SDL_GetError();
    return false;
  }
  // The MIDI decoders load before the mixer opens, so that they are opened with it.
  midiLoaded_ = (Mix_Init(MIX_INIT_MID) & MIX_INIT_MID) != 0;
  // First the requested format exactly (SDL converts for the hardware), then
  // whatever the hardware offers, with our samples converted to it.
  if (!OpenMixer(request, 0) && !OpenMixer(request, SDL_AUDIO_ALLOW_ANY_CHANGE)) {
    reason = std::string("Mix_OpenAudioDevice: ") + Mix_GetError();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  Mix_QuerySpec(&rate_, &format_, &channels_);
  bufferFrames_ = options_.bufferFrames > 0 ? options_.bufferFrames
                                            : DefaultBufferFrames(request.samplesPerSec);
  frameBytes_ = std::max(1, channels_ * static_cast<int>(SDL_AUDIO_BITSIZE(format_)) / 8);
  mixedFrames_.store(0);
  Mix_AllocateChannels(0);
  music_.Attach(rate_);
  Mix_SetPostMix(&SdlAudioDevice::PostMix, this);
  open_ = true;
  return true;
}

std::string SdlAudioDevice::Description() const {
  if (!open_) return "no audio output";
  const char* driver = SDL_GetCurrentAudioDriver();
  return std::string(driver ? driver : "?") + " " + std::to_string(rate_) + "Hz " +
         std::to_string(SDL_AUDIO_BITSIZE(format_)) + "bit " + std::to_string(channels_) + "ch, " +
         std::to_string(bufferFrames_) + " frames per block";
}

// Runs on the audio thread after each mixed block.
void SdlAudioDevice::PostMix(void* self, Uint8*, int bytes) {
  auto* device = static_cast<SdlAudioDevice*>(self);
  const uint64_t frames = static_cast<uint64_t>(bytes / device->frameBytes_);
  device->mixedFrames_.fetch_add(frames);
  device->music_.OnMixed(frames);
}

void SdlAudioDevice::Close() {
  if (!open_) return;
  Mix_SetPostMix(nullptr, nullptr);
  music_.Detach();
  Mix_HaltChannel(-1);
  buffers_.clear();
  Mix_CloseAudio();
  Mix_Quit();
  musicReady_ = false;
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  open_ = false;
}

bool SdlAudioDevice::ConvertToOutput(const PcmFormat& format, std::span<const uint8_t> samples,
                                     std::vector<uint8_t>& out, std::string& error) const {
  const int frameBytes = FrameBytes(format);
  const size_t usable = samples.size() - samples.size() % static_cast<size_t>(frameBytes);
  if (usable > 0x3fffffff) {
    error = "buffer too large";
    return false;
  }
  SDL_AudioCVT cvt;
  const int built = SDL_BuildAudioCVT(&cvt, SdlFormatOf(format), static_cast<Uint8>(format.channels),
                                      format.samplesPerSec, format_,
                                      static_cast<Uint8>(channels_), rate_);
  if (built < 0) {
    error = std::string("SDL_BuildAudioCVT: ") + SDL_GetError();
    return false;
  }
  cvt.len = static_cast<int>(usable);
  out.assign(usable * static_cast<size_t>(cvt.len_mult), 0);
  std::memcpy(out.data(), samples.data(), usable);
  if (built == 1) {
    cvt.buf = out.data();
    if (SDL_ConvertAudio(&cvt) != 0) {
      error = std::string("SDL_ConvertAudio: ") + SDL_GetError();
      return false;
    }
    out.resize(static_cast<size_t>(cvt.len_cvt));
  } else {
    out.resize(usable);
  }
  const size_t outFrame = static_cast<size_t>(channels_) * SDL_AUDIO_BITSIZE(format_) / 8;
  out.resize(out.size() - out.size() % outFrame);
  if (out.empty()) {
    error = "no samples after conversion";
    return false;
  }
  return true;
}

AudioBufferId SdlAudioDevice::TakeChannel(std::shared_ptr<Sound> sound) {
  for (size_t channel = 0; channel < buffers_.size(); ++channel) {
    if (!buffers_[channel]) {
      buffers_[channel] = std::move(sound);
      return static_cast<AudioBufferId>(channel);
    }
  }
  buffers_.push_back(std::move(sound));
  Mix_AllocateChannels(static_cast<int>(buffers_.size()));
  return static_cast<AudioBufferId>(buffers_.size() - 1);
}

bool SdlAudioDevice::Live(AudioBufferId id) const {
  return open_ && id >= 0 && static_cast<size_t>(id) < buffers_.size() && buffers_[id];
}

AudioBufferId SdlAudioDevice::CreateBuffer(const PcmFormat& format, std::span<const uint8_t> samples,
                                           std::string& error) {
  if (!open_) {
    error = "no audio output";
    return kNoAudioBuffer;
  }
  if (!IsPlayablePcm(format, samples.size())) {
    error = "unplayable PCM format";
    return kNoAudioBuffer;
  }
  auto sound = std::make_shared<Sound>();
  if (!ConvertToOutput(format, samples, sound->samples, error)) return kNoAudioBuffer;
  sound->chunk =
      Mix_QuickLoad_RAW(sound->samples.data(), static_cast<Uint32>(sound->samples.size()));
  if (sound->chunk == nullptr) {
    error = std::string("Mix_QuickLoad_RAW: ") + Mix_GetError();
    return kNoAudioBuffer;
  }
  const AudioBufferId id = TakeChannel(std::move(sound));
  Mix_Volume(id, MIX_MAX_VOLUME);
  return id;
}

AudioBufferId SdlAudioDevice::DuplicateBuffer(AudioBufferId source, std::string& error) {
  if (!Live(source)) {
    error = "no such buffer";
    return kNoAudioBuffer;
  }
  const AudioBufferId id = TakeChannel(buffers_[source]);
  Mix_Volume(id, MIX_MAX_VOLUME);
  return id;
}

void SdlAudioDevice::ReleaseBuffer(AudioBufferId id) {
  if (!Live(id)) return;
  Mix_HaltChannel(id);
  buffers_[id].reset();
}

void SdlAudioDevice::PlayBuffer(AudioBufferId id, uint32_t flags) {
  if (!Live(id)) return;
  Mix_HaltChannel(id);
  Mix_PlayChannel(id, buffers_[id]->chunk, (flags & kPlayLooping) ? -1 : 0);
}

void SdlAudioDevice::SetBufferVolume(AudioBufferId id, int hundredthsOfDb) {
  if (!Live(id)) return;
  Mix_Volume(id, MixerVolume(hundredthsOfDb));
}

bool SdlAudioDevice::StartMusicPlayer(std::vector<std::string>& reportLines) {
  if (musicReady_) return true;
  if (!open_) {
    reportLines.push_back("Music : off, there is no audio output");
    return false;
  }
  const char* env = SDL_getenv("SDL_SOUNDFONTS");
  const SoundFontSearch search =
      FindSoundFont(env ? env : "", options_.soundFonts.empty()
                                        ? DebianSoundFontPaths()
                                        : std::span<const std::filesystem::path>(options_.soundFonts));
  if (search.found.empty()) {
    std::string paths;
    for (const auto& path : search.searched) paths += (paths.empty() ? "" : ", ") + path;
    reportLines.push_back("Music : off, no General MIDI soundfont was found (install "
                          "timgm6mb-soundfont or set SDL_SOUNDFONTS); searched: " + paths);
    return false;
  }
  if (!midiLoaded_ || !Mix_HasMusicDecoder("FLUIDSYNTH")) {
    reportLines.push_back("Music : off, the FluidSynth MIDI synthesiser of SDL2_mixer is not "
                          "available");
    return false;
  }
  Mix_SetSoundFonts(search.found.c_str());
  reportLines.push_back("Music : FluidSynth with " + search.found.string());
  musicReady_ = true;
  return true;
}

bool SdlAudioDevice::OpenMusic(std::vector<uint8_t> midiFile, uint32_t lengthMs,
                               std::string& error) {
  if (!musicReady_) {
    error = "the MIDI synthesiser is not ready";
    return false;
  }
  return music_.Open(std::move(midiFile), lengthMs, error);
}

bool SdlAudioDevice::PlayMusic(std::string& error) {
  if (!musicReady_) {
    error = "the MIDI synthesiser is not ready";
    return false;
  }
  return music_.Play(error);
}

void SdlAudioDevice::StopMusic() {
  if (musicReady_) music_.Stop();
}

void SdlAudioDevice::CloseMusic() {
  if (musicReady_) music_.Close();
}

std::unique_ptr<AudioDevice> CreateSdlAudioDevice(MusicFinishedHandler musicFinished,
                                                  const SdlAudioOptions& options) {
  return std::make_unique<SdlAudioDevice>(std::move(musicFinished), options);
}

}  // namespace vh::platform
