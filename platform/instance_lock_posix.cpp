#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/instance_lock.h"

std::string InstanceLockPath(const std::string& title) {
  std::string name;
  for (char c : title)
    name += c == ' ' || c == '/' ? '-' : c;
  if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime) {
    std::string folder = runtime;
    if (folder.back() != '/')
      folder += '/';
    return folder + name + ".lock";
  }
  const char* tmp = std::getenv("TMPDIR");
  return std::string(tmp && *tmp ? tmp : "/tmp") + "/" + name + "-" + std::to_string(getuid())
         + ".lock";
}

InstanceLock::InstanceLock(const std::string& title) : path_(InstanceLockPath(title)) {
  fd_ = open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd_ >= 0 && flock(fd_, LOCK_EX | LOCK_NB) != 0) {
    close(fd_);
    fd_ = -1;
  }
}

InstanceLock::~InstanceLock() {
  if (fd_ >= 0)
    close(fd_);  // closing releases the lock; the file stays for the next run
}
