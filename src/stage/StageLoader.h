// Loads stage and replay files on a worker thread while the calling (window)
// thread keeps handling window events and, for the editor, shows a loading
// notice. The worker reads into data of its own; only a successful load
// replaces the current stage and palette, on the calling thread, so a load
// that fails, times out or is abandoned never leaves them half-written.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

#include "stage/LoadResult.h"
#include "stage/StageFile.h"

namespace vh::stage {

// What the loader needs from the application while it waits.
class StageLoaderHost {
 public:
  virtual ~StageLoaderHost() = default;
  // Clears the back buffer, draws the text window at (208, 224), 224 x 32,
  // with "^ﾛｰﾄﾞ@ﾁｭｳ" and presents it once. Called for editor loads only.
  virtual void ShowLoadingNotice() = 0;
  // Handles at most one pending window event. Returns false when that event
  // was the quit request, which ends the wait.
  virtual bool PumpEvent() = 0;
  // The millisecond clock that measures the time limit.
  virtual uint32_t NowMs() = 0;
};

inline constexpr uint32_t kStageLoadTimeLimitMs = 10000;

class StageLoader {
 public:
  // What the worker runs: LoadStageFile unless a test supplies another.
  using LoadFunction =
      std::function<LoadResult(const StageLoadRequest&, LoadedStage&, const std::atomic<bool>* cancel)>;

  explicit StageLoader(StageLoaderHost& host, LoadFunction load = LoadStageFile)
      : host_(host), load_(std::move(load)) {}
  ~StageLoader() { Stop(); }
  StageLoader(const StageLoader&) = delete;
  StageLoader& operator=(const StageLoader&) = delete;

  // Reads request.path on the worker and waits for it. On success the stage
  // (the undo map only for the editor), the palette and, when given, the
  // input log are replaced; otherwise nothing changes. After more than ten
  // whole seconds the result is TimedOut, with the out-of-memory message and
  // closeWindow set.
  LoadResult Load(const StageLoadRequest& request, Stage& stage, Palette& palette,
                  std::vector<int32_t>* inputLog);

  // Stops a worker that is still running (after a time-out or a quit during
  // the wait) and waits for it to end. Safe to call at any time.
  void Stop();

  bool Busy() const { return worker_.joinable(); }

 private:
  // What the worker owns; shared so that an abandoned worker can finish alone.
  struct Job {
    StageLoadRequest request;
    LoadedStage loaded;
    LoadResult result;
    std::atomic<bool> cancel{false};
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
  };

  StageLoaderHost& host_;
  LoadFunction load_;
  std::shared_ptr<Job> job_;
  std::thread worker_;
};

}  // namespace vh::stage
