#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>

#include "platform/whole_file.h"

namespace {

// Closes the descriptor on every path out.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}

  ~FileDescriptor() { Close(); }

  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;

  int get() const { return fd_; }

  bool ok() const { return fd_ >= 0; }

  /// Closes now; false when the close reported an error (a late write failure).
  bool Close() {
    if (fd_ < 0)
      return true;
    const int result = close(fd_);
    fd_ = -1;
    return result == 0;
  }

 private:
  int fd_;
};

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR)
      continue;
    if (n <= 0)
      return false;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// The file a rename must replace: the target of a symbolic link, so a linked
// configuration file (a dotfiles checkout) stays a link.
std::string ResolvedTarget(const std::string& path) {
  struct stat st {};

  if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
    return path;
  char* resolved = realpath(path.c_str(), nullptr);
  if (!resolved)
    return path;
  std::string target(resolved);
  free(resolved);
  return target;
}

void SyncFolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
  FileDescriptor dir(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.ok())
    fsync(dir.get());  // the rename is durable once the folder is; best effort
}

}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& path, std::size_t max_bytes) {
  if (path.empty())
    return std::nullopt;
  FileDescriptor fd(open(path.c_str(), O_RDONLY | O_CLOEXEC));

  struct stat st {};

  if (!fd.ok() || fstat(fd.get(), &st) != 0 || S_ISDIR(st.st_mode))
    return std::nullopt;
  std::string bytes;
  char buffer[65536];
  for (;;) {
    const ssize_t n = read(fd.get(), buffer, sizeof buffer);
    if (n < 0 && errno == EINTR)
      continue;
    if (n < 0)
      return std::nullopt;
    if (n == 0)
      return bytes;
    if (bytes.size() + static_cast<std::size_t>(n) > max_bytes)
      return std::nullopt;
    bytes.append(buffer, static_cast<std::size_t>(n));
  }
}

bool ReplaceFile(const std::string& path, std::string_view bytes) {
  if (path.empty())
    return false;
  const std::string target = ResolvedTarget(path);
  std::string temp = target + ".XXXXXX";
  FileDescriptor fd(mkostemp(temp.data(), O_CLOEXEC));
  if (!fd.ok())
    return false;

  struct stat old {};

  const bool keep_mode = stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode);
  const bool written = (!keep_mode || fchmod(fd.get(), old.st_mode & 0777) == 0)
                       && WriteAll(fd.get(), bytes) && fsync(fd.get()) == 0;
  if (!fd.Close() || !written || rename(temp.c_str(), target.c_str()) != 0) {
    unlink(temp.c_str());
    return false;
  }
  SyncFolderOf(target);
  return true;
}
