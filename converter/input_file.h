#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace pcd {

/// A regular file open for reading. Its length is known before anything is
/// read, so a request can be refused on the header without reading a file
/// of megabytes, and a huge file is refused before it fills memory.
class InputFile {
 public:
  /// Opens `path`. Empty, with the reason in `err`, when it cannot be
  /// opened, is not a regular file (a FIFO or a device could block or never
  /// end) or is longer than `max_size`.
  static std::optional<InputFile> Open(const std::string& path, std::size_t max_size,
                                       std::string* err);

  InputFile(InputFile&& other) noexcept;
  InputFile& operator=(InputFile&&) = delete;
  InputFile(const InputFile&) = delete;
  ~InputFile();

  std::size_t size() const { return size_; }

  /// The first `count` bytes, or fewer when the file is shorter (or shrank
  /// since it was opened). Empty, with the reason in `err`, on a read error.
  std::optional<std::vector<std::uint8_t>> ReadStart(std::size_t count, std::string* err) const;

  /// Fills `out` from byte `offset` on; the count read, less than out.size()
  /// only at the end of the file. Empty, with the reason in `err`, on a read
  /// error.
  std::optional<std::size_t> ReadAt(std::size_t offset, std::span<std::uint8_t> out,
                                    std::string* err) const;

 private:
  InputFile(int fd, std::size_t size, std::string path)
      : fd_(fd), size_(size), path_(std::move(path)) {}

  int fd_;
  std::size_t size_;
  std::string path_;
};

}  // namespace pcd
