#include "converter/input_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace pcd {

namespace {

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}

  ~Descriptor() {
    if (fd_ >= 0)
      close(fd_);
  }

  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;

  int get() const { return fd_; }

 private:
  int fd_;
};

}  // namespace

std::optional<std::vector<std::uint8_t>> ReadInputFile(const std::string& path,
                                                       std::size_t max_size, std::string* err) {
  const auto fail = [&](const std::string& why) {
    *err = path + ": " + why;
    return std::nullopt;
  };
  // O_NONBLOCK so that opening a FIFO cannot hang before the type check.
  Descriptor fd(open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (fd.get() < 0)
    return fail(std::strerror(errno));

  struct stat st {};

  if (fstat(fd.get(), &st) != 0)
    return fail(std::strerror(errno));
  if (!S_ISREG(st.st_mode))
    return fail("not a regular file");
  if (static_cast<std::uint64_t>(st.st_size) > max_size)
    return fail("too long for a Photo CD image pac");
  std::vector<std::uint8_t> data(static_cast<std::size_t>(st.st_size));
  std::size_t done = 0;
  while (done < data.size()) {
    const ssize_t n = read(fd.get(), data.data() + done, data.size() - done);
    if (n < 0 && errno == EINTR)
      continue;
    if (n < 0)
      return fail(std::strerror(errno));
    if (n == 0)
      break;  // shrank while we read: decode what is there
    done += static_cast<std::size_t>(n);
  }
  data.resize(done);
  return data;
}

}  // namespace pcd
