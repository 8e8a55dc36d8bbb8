#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "converter/ycc_planes.h"

namespace pcd {

/// Decodes `level` (0 to 5) of the image pac `file` with libavcodec's Photo
/// CD decoder. The planes are as libavcodec gives them: chroma shifted
/// towards 128 and clipped at 0 (see RestoreClippedChroma). Empty, with the
/// reason in `err`, when the decoder fails or gives another size than the
/// level's, as it does for a level the file does not hold.
std::optional<YccPlanes> DecodeWithAvcodec(std::span<const std::uint8_t> file, int level,
                                           std::string* err);

}  // namespace pcd
