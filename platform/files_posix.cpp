#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <system_error>

#include "platform/files.h"

std::int64_t FileSize(const std::string& path) {
  struct stat st {};

  if (path.empty() || stat(path.c_str(), &st) != 0)
    return -1;
  if (S_ISDIR(st.st_mode))
    return -2;
  return static_cast<std::int64_t>(st.st_size);
}

bool IsFolder(const std::string& path) {
  return FileSize(path) == -2;
}

bool MakeFolder(const std::string& path) {
  if (mkdir(path.c_str(), 0777) == 0)
    return true;
  return IsFolder(path);
}

bool RemoveFile(const std::string& path) {
  if (IsFolder(path))
    return false;
  return unlink(path.c_str()) == 0 || errno == ENOENT;
}

std::optional<std::int64_t> ModificationTime(const std::string& path) {
  struct stat st {};

  if (stat(path.c_str(), &st) != 0)
    return std::nullopt;
  return static_cast<std::int64_t>(st.st_mtim.tv_sec);
}

bool SetModificationTime(const std::string& path, std::int64_t seconds) {
  struct timespec times[2];
  times[0].tv_sec = 0;
  times[0].tv_nsec = UTIME_OMIT;
  times[1].tv_sec = static_cast<time_t>(seconds);
  times[1].tv_nsec = 0;
  return utimensat(AT_FDCWD, path.c_str(), times, 0) == 0;
}

std::string ProgramFolder() {
  char buffer[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (n <= 0)
    return "./";
  std::string path(buffer, static_cast<std::size_t>(n));
  return path.substr(0, path.rfind('/') + 1);
}

std::string ProgramFileName() {
  char buffer[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (n <= 0)
    return "marlenta";
  const std::string path(buffer, static_cast<std::size_t>(n));
  return path.substr(path.rfind('/') + 1);
}

std::string DataFolder() {
  std::string base;
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg)
    base = xdg;
  else if (const char* home = std::getenv("HOME"); home && *home)
    base = std::string(home) + "/.config";
  else
    return "";
  std::string folder = base;
  for (const char* level : {"", "/Quillorb", "/marlenta"}) {
    folder += level;
    MakeFolder(folder);
  }
  return folder + "/";
}

ScopedTempDir::ScopedTempDir() {
  const char* tmp = std::getenv("TMPDIR");
  std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/marlenta-XXXXXX";
  if (mkdtemp(pattern.data()))
    path_ = pattern + "/";
}

ScopedTempDir::~ScopedTempDir() {
  Remove();
}

ScopedTempDir::ScopedTempDir(ScopedTempDir&& other) noexcept : path_(std::move(other.path_)) {
  other.path_.clear();
}

ScopedTempDir& ScopedTempDir::operator=(ScopedTempDir&& other) noexcept {
  if (this != &other) {
    Remove();
    path_ = std::move(other.path_);
    other.path_.clear();
  }
  return *this;
}

void ScopedTempDir::Remove() {
  if (path_.empty())
    return;
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
  path_.clear();
}
