#include "converter/tga_writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

namespace pcd {

namespace {

// Owns the temporary file until it has been renamed into place.
class TemporaryFile {
 public:
  explicit TemporaryFile(const std::string& beside) {
    const std::size_t slash = beside.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : beside.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? beside : beside.substr(slash + 1);
    // Hidden, and never ending in .tga, so nothing takes it for the output.
    std::vector<char> pattern(folder.size() + name.size() + 16);
    std::snprintf(pattern.data(), pattern.size(), "%s.%s.XXXXXX", folder.c_str(), name.c_str());
    fd_ = mkstemp(pattern.data());
    if (fd_ >= 0)
      path_ = pattern.data();
  }

  ~TemporaryFile() {
    if (fd_ >= 0)
      close(fd_);
    if (!path_.empty())
      unlink(path_.c_str());
  }

  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  int fd() const { return fd_; }

  bool WriteAll(const std::uint8_t* data, std::size_t size) {
    while (size > 0) {
      const ssize_t n = write(fd_, data, size);
      if (n < 0 && errno == EINTR)
        continue;
      if (n <= 0)
        return false;
      data += n;
      size -= static_cast<std::size_t>(n);
    }
    return true;
  }

  /// Closes the file and renames it to `target`; the object then owns nothing.
  bool CloseAndRename(const std::string& target) {
    const int fd = fd_;
    fd_ = -1;
    if (close(fd) != 0 || rename(path_.c_str(), target.c_str()) != 0)
      return false;
    path_.clear();
    return true;
  }

 private:
  int fd_ = -1;
  std::string path_;
};

}  // namespace

std::array<std::uint8_t, 18> TgaHeader(Size size) {
  std::array<std::uint8_t, 18> h{};
  h[2] = 2;  // uncompressed true colour
  h[12] = static_cast<std::uint8_t>(size.width & 0xFF);
  h[13] = static_cast<std::uint8_t>(size.width >> 8);
  h[14] = static_cast<std::uint8_t>(size.height & 0xFF);
  h[15] = static_cast<std::uint8_t>(size.height >> 8);
  h[16] = 24;
  h[17] = 0x20;  // rows top first
  return h;
}

bool WriteTga(const std::string& path, const BgrImage& image, std::string* err) {
  const auto fail = [&](const char* what) {
    *err = std::string(what) + " " + path + ": " + std::strerror(errno);
    return false;
  };
  if (image.size.width <= 0 || image.size.height <= 0 || image.size.width > 0xFFFF
      || image.size.height > 0xFFFF) {
    *err = "a TGA cannot hold this size";
    return false;
  }
  TemporaryFile file(path);
  if (file.fd() < 0)
    return fail("cannot create a file beside");
  // mkstemp makes the file private; give it the mode any new file would get.
  const mode_t mask = umask(0);
  umask(mask);
  fchmod(file.fd(), 0666 & ~mask);
  const std::array<std::uint8_t, 18> header = TgaHeader(image.size);
  if (!file.WriteAll(header.data(), header.size())
      || !file.WriteAll(image.pixels.data(), image.pixels.size()))
    return fail("cannot write a file beside");
  if (!file.CloseAndRename(path))
    return fail("cannot put in place");
  return true;
}

}  // namespace pcd
