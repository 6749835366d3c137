#include "app/pacing/FramePacer.h"

namespace vh::app {

bool FramePacer::FrameDue(int rate) {
  if (!nextDue_) nextDue_ = now_();
  const uint32_t now = now_();
  if (rate == 0) return true;
  if (now < *nextDue_) return false;
  nextDue_ = now + static_cast<uint32_t>(1000 / rate);
  return true;
}

bool FramePacer::FrameDueD3D(int rate) {
  if (rate <= 0) return true;
  if (!baseTime_) baseTime_ = now_();
  const uint32_t now = now_();
  const double due = *baseTime_ + (1000.0 / rate) * frameIndex_;
  if (due > now) return false;
  frameIndex_ += 1;
  if (frameIndex_ >= static_cast<uint32_t>(rate)) {
    frameIndex_ = 0;
    baseTime_ = now;
  }
  return true;
}

int FramePacer::CountFPS(int update) {
  if (!windowStart_) windowStart_ = now_();
  if (update == 0) return lastFps_;
  const uint32_t now = now_();
  if (now - *windowStart_ >= 1000) {
    lastFps_ = framesInWindow_;
    windowStart_ = now;
    framesInWindow_ = 0;
    return lastFps_;
  }
  framesInWindow_ += 1;
  return lastFps_;
}

}  // namespace vh::app
