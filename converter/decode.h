#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "converter/bgr_image.h"

namespace pcd {

/// Why level `level` of a file of `file_size` bytes that starts with `head`
/// (at least kHeaderSize bytes of it, or all of it) is refused on its header
/// alone; empty when only decoding can tell. Lets a refusal skip reading a
/// file of megabytes.
std::optional<std::string> RefusalFromHeader(std::span<const std::uint8_t> head,
                                             std::size_t file_size, int level);

/// The whole decode of one request: level `level` (0 to 6) of the image pac
/// `file`, upright and in sRGB. Empty, with the reason in `err`, when the
/// file is not an image pac, does not hold that level (the level is never
/// made up from a smaller one) or is damaged there. Never reads outside
/// `file`, whatever its bytes say.
std::optional<BgrImage> DecodePhotoCd(std::span<const std::uint8_t> file, int level,
                                      std::string* err);

}  // namespace pcd
