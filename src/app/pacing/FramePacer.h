// The two frame pacers and the FPS measure. Game logic advances exactly one
// step per frame, so these decide the game's speed.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

namespace vh::app {

class FramePacer {
 public:
  using Clock = std::function<uint32_t()>;  // milliseconds, wrapping at 2^32
  explicit FramePacer(Clock now) : now_(std::move(now)) {}

  // Millisecond pacer: the next frame is due 1000 / rate ms after this one was
  // released, so lateness is never caught up. Rate 0 means unpaced.
  bool FrameDue(int rate);

  // Fractional pacer: `rate` frames spread evenly over each second, the cycle
  // re-anchored to the clock every `rate` frames.
  bool FrameDueD3D(int rate);

  // With update != 0 counts this frame; returns the frames of the last
  // complete second (0 during the first second).
  int CountFPS(int update);

 private:
  Clock now_;
  std::optional<uint32_t> nextDue_;
  std::optional<uint32_t> baseTime_;
  uint32_t frameIndex_ = 0;
  std::optional<uint32_t> windowStart_;
  int framesInWindow_ = 0;
  int lastFps_ = 0;
};

}  // namespace vh::app
