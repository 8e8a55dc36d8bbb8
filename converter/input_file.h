#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace pcd {

/// The whole content of the regular file at `path`. Empty, with the reason
/// in `err`, when it cannot be read, is not a regular file (a FIFO or a
/// device could block or never end) or is longer than `max_size`, which is
/// checked before anything is read.
std::optional<std::vector<std::uint8_t>> ReadInputFile(const std::string& path,
                                                       std::size_t max_size, std::string* err);

}  // namespace pcd
