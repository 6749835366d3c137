#include "platform/InstanceLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <utility>

namespace vh::platform {
namespace {

// The lock file name: the name with path separators replaced, so any name
// gives one file inside `dir`.
std::string LockFileName(std::string_view name) {
  std::string file(name);
  for (char& c : file) {
    if (c == '/' || c == '\\' || c == '\0') c = '_';
  }
  return file + ".lock";
}

}  // namespace

InstanceLock::InstanceLock(InstanceLock&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

InstanceLock& InstanceLock::operator=(InstanceLock&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = std::exchange(other.fd_, -1);
  }
  return *this;
}

// Closing the descriptor releases the lock; the file stays, because removing
// it could let a third copy lock a fresh file while a second one holds the old.
InstanceLock::~InstanceLock() {
  if (fd_ >= 0) ::close(fd_);
}

InstanceLock::Result InstanceLock::Acquire(const std::filesystem::path& dir,
                                           std::string_view name) {
  if (fd_ >= 0) {
    ::close(fd_);
    fd_ = -1;
  }
  const std::filesystem::path file = dir / LockFileName(name);
  const int fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) return Result::Error;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const int err = errno;
    ::close(fd);
    return err == EWOULDBLOCK ? Result::AlreadyRunning : Result::Error;
  }
  fd_ = fd;
  return Result::Acquired;
}

}  // namespace vh::platform
