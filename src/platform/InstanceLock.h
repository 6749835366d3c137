// Single-instance guard: a lock file held with flock for the life of the process.
#pragma once

#include <filesystem>
#include <string_view>

namespace vh::platform {

class InstanceLock {
 public:
  InstanceLock() = default;
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;
  InstanceLock(InstanceLock&& other) noexcept;
  InstanceLock& operator=(InstanceLock&& other) noexcept;
  ~InstanceLock();

  enum class Result { Acquired, AlreadyRunning, Error };
  // The lock file is named after `name` (UTF-8) inside `dir`.
  Result Acquire(const std::filesystem::path& dir, std::string_view name);
  bool Held() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
};

}  // namespace vh::platform
