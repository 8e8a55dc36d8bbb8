#pragma once

#include <string>

/// The single-instance guard: an advisory flock on a file named after the
/// program title in $XDG_RUNTIME_DIR (else the temp folder, with the user id
/// in the name). Held until the owner goes away.
class InstanceLock {
 public:
  explicit InstanceLock(const std::string& title);
  ~InstanceLock();
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;

  /// False when another process holds the lock (or it could not be made).
  bool held() const { return fd_ >= 0; }

  const std::string& path() const { return path_; }

 private:
  int fd_ = -1;
  std::string path_;
};

/// Where the lock file of `title` lives.
std::string InstanceLockPath(const std::string& title);
