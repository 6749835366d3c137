#include "stage/StageLoader.h"

#include <chrono>
#include <system_error>

#include "stage/Messages.h"

namespace vh::stage {

LoadResult StageLoader::Load(const StageLoadRequest& request, Stage& stage, Palette& palette,
                             std::vector<int32_t>* inputLog) {
  Stop();
  auto job = std::make_shared<Job>();
  job->request = request;
  try {
    worker_ = std::thread([job, load = load_] {
      job->result = load(job->request, job->loaded, &job->cancel);
      std::lock_guard lock(job->mutex);
      job->done = true;
      job->finished.notify_all();
    });
  } catch (const std::system_error&) {
    return LoadFailure(LoadStatus::Failed);
  }
  job_ = job;

  if (request.forEditor) host_.ShowLoadingNotice();
  const uint32_t start = host_.NowMs();
  for (;;) {
    {
      std::unique_lock lock(job->mutex);
      // Wakes as soon as the worker ends; the short bound keeps events flowing.
      if (job->finished.wait_for(lock, std::chrono::milliseconds(1), [&] { return job->done; })) break;
    }
    if (!host_.PumpEvent()) return LoadFailure(LoadStatus::Interrupted);
    if ((host_.NowMs() - start) / 1000 > 9)
      return LoadFailure(LoadStatus::TimedOut, std::string(kLoadOutOfMemoryMessage), true);
  }
  worker_.join();
  job_.reset();
  LoadResult result = std::move(job->result);
  if (result.ok()) ApplyLoadedStage(std::move(job->loaded), request.forEditor, stage, palette, inputLog);
  return result;
}

void StageLoader::Stop() {
  if (job_) job_->cancel = true;
  if (worker_.joinable()) worker_.join();
  job_.reset();
}

}  // namespace vh::stage
