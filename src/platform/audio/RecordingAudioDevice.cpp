#include "platform/audio/RecordingAudioDevice.h"

#include <utility>

namespace vh::platform {

RecordingAudioDevice::RecordingAudioDevice(bool hasOutput, std::string reason)
    : hasOutput_(hasOutput), reason_(std::move(reason)) {}

bool RecordingAudioDevice::Open(const PcmFormat& request, std::string& reason) {
  if (!hasOutput_) {
    reason = reason_;
    return false;
  }
  format_ = request;
  open_ = true;
  return true;
}

std::string RecordingAudioDevice::Description() const {
  return "recording " + std::to_string(format_.samplesPerSec) + "Hz " +
         std::to_string(format_.bitsPerSample) + "bit " + std::to_string(format_.channels) + "ch";
}

void RecordingAudioDevice::Close() {
  CloseMusic();
  for (size_t id = 0; id < buffers.size(); ++id) {
    if (!buffers[id].empty()) ReleaseBuffer(static_cast<AudioBufferId>(id));
  }
  open_ = false;
}

AudioBufferId RecordingAudioDevice::NewSlot(std::vector<uint8_t> samples, const PcmFormat& format) {
  buffers.push_back(std::move(samples));
  formats.push_back(format);
  return static_cast<AudioBufferId>(buffers.size() - 1);
}

bool RecordingAudioDevice::Live(AudioBufferId id) const {
  return id >= 0 && static_cast<size_t>(id) < buffers.size() && !buffers[id].empty();
}

AudioBufferId RecordingAudioDevice::CreateBuffer(const PcmFormat& format,
                                                 std::span<const uint8_t> samples,
                                                 std::string& error) {
  if (!open_) {
    error = "no audio output";
    return kNoAudioBuffer;
  }
  if (failCreates > 0) {
    --failCreates;
    error = "buffer creation refused";
    return kNoAudioBuffer;
  }
  if (!IsPlayablePcm(format, samples.size())) {
    error = "unplayable PCM format";
    return kNoAudioBuffer;
  }
  return NewSlot({samples.begin(), samples.end()}, format);
}

AudioBufferId RecordingAudioDevice::DuplicateBuffer(AudioBufferId source, std::string& error) {
  if (!Live(source)) {
    error = "no such buffer";
    return kNoAudioBuffer;
  }
  if (failDuplicates > 0) {
    --failDuplicates;
    error = "duplicate refused";
    return kNoAudioBuffer;
  }
  return NewSlot(buffers[source], formats[source]);
}

void RecordingAudioDevice::ReleaseBuffer(AudioBufferId id) {
  if (!Live(id)) return;
  buffers[id].clear();
  calls.push_back({AudioOp::ReleaseBuffer, id, 0});
}

void RecordingAudioDevice::PlayBuffer(AudioBufferId id, uint32_t flags) {
  if (!Live(id)) return;
  calls.push_back({AudioOp::PlayBuffer, id, static_cast<int>(flags)});
}

void RecordingAudioDevice::SetBufferVolume(AudioBufferId id, int hundredthsOfDb) {
  if (!Live(id)) return;
  calls.push_back({AudioOp::SetVolume, id, hundredthsOfDb});
}

bool RecordingAudioDevice::StartMusicPlayer(std::vector<std::string>& reportLines) {
  if (musicPlayerMissing) {
    reportLines.push_back("Music : no MIDI synthesiser in this test; music is off");
    return false;
  }
  return true;
}

bool RecordingAudioDevice::OpenMusic(std::vector<uint8_t> midiFile, uint32_t lengthMs,
                                     std::string& error) {
  if (failMusicOpen || midiFile.empty()) {
    error = "music refused";
    return false;
  }
  musicOpen = true;
  calls.push_back({AudioOp::OpenMusic, 0, static_cast<int>(lengthMs)});
  return true;
}

bool RecordingAudioDevice::PlayMusic(std::string& error) {
  if (!musicOpen) {
    error = "no music open";
    return false;
  }
  ++generation_;
  calls.push_back({AudioOp::PlayMusic, 0, generation_});
  return true;
}

void RecordingAudioDevice::StopMusic() {
  if (!musicOpen) return;
  ++generation_;
  calls.push_back({AudioOp::StopMusic, 0, 0});
}

void RecordingAudioDevice::CloseMusic() {
  if (!musicOpen) return;
  musicOpen = false;
  calls.push_back({AudioOp::CloseMusic, 0, 0});
}

}  // namespace vh::platform
