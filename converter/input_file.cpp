#include "converter/input_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace pcd {

std::optional<InputFile> InputFile::Open(const std::string& path, std::size_t max_size,
                                         std::string* err) {
  // O_NONBLOCK so that opening a FIFO cannot hang before the type check.
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    *err = path + ": " + std::strerror(errno);
    return std::nullopt;
  }
  InputFile file(fd, 0, path);

  struct stat st {};

  if (fstat(fd, &st) != 0) {
    *err = path + ": " + std::strerror(errno);
    return std::nullopt;
  }
  if (!S_ISREG(st.st_mode)) {
    *err = path + ": not a regular file";
    return std::nullopt;
  }
  if (static_cast<std::uint64_t>(st.st_size) > max_size) {
    *err = path + ": too long for a Photo CD image pac";
    return std::nullopt;
  }
  file.size_ = static_cast<std::size_t>(st.st_size);
  return file;
}

InputFile::InputFile(InputFile&& other) noexcept
    : fd_(other.fd_), size_(other.size_), path_(std::move(other.path_)) {
  other.fd_ = -1;
}

InputFile::~InputFile() {
  if (fd_ >= 0)
    close(fd_);
}

std::optional<std::vector<std::uint8_t>> InputFile::ReadStart(std::size_t count,
                                                              std::string* err) const {
  std::vector<std::uint8_t> data(std::min(count, size_));
  const std::optional<std::size_t> got = ReadAt(0, data, err);
  if (!got)
    return std::nullopt;
  data.resize(*got);
  return data;
}

std::optional<std::size_t> InputFile::ReadAt(std::size_t offset, std::span<std::uint8_t> out,
                                             std::string* err) const {
  std::size_t done = 0;
  while (done < out.size()) {
    const ssize_t n =
        pread(fd_, out.data() + done, out.size() - done, static_cast<off_t>(offset + done));
    if (n < 0 && errno == EINTR)
      continue;
    if (n < 0) {
      *err = path_ + ": " + std::strerror(errno);
      return std::nullopt;
    }
    if (n == 0)
      break;
    done += static_cast<std::size_t>(n);
  }
  return done;
}

}  // namespace pcd
