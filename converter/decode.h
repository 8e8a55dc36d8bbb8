#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "converter/bgr_image.h"

namespace pcd {

/// The whole decode of one request: level `level` (0 to 6) of the image pac
/// `file`, upright and in sRGB. Empty, with the reason in `err`, when the
/// file is not an image pac, does not hold that level (the level is never
/// made up from a smaller one) or is damaged there. Never reads outside
/// `file`, whatever its bytes say.
std::optional<BgrImage> DecodePhotoCd(std::span<const std::uint8_t> file, int level,
                                      std::string* err);

}  // namespace pcd
