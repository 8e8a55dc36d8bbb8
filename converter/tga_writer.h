#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "converter/bgr_image.h"

namespace pcd {

/// The 18-byte header of an uncompressed 24-bit true-colour TGA whose rows
/// run top first (origin top left, descriptor bit 5), which is how readers
/// such as FreeImage load it the right way up.
std::array<std::uint8_t, 18> TgaHeader(Size size);

/// Writes `image` as a TGA at `path`. The bytes go to a temporary file in
/// the same folder that is renamed over `path` only once complete, so a
/// reader never sees a partial TGA and nothing is left behind on failure.
/// False, with the reason in `err`, when any step fails; `path` is then
/// untouched.
bool WriteTga(const std::string& path, const BgrImage& image, std::string* err);

}  // namespace pcd
