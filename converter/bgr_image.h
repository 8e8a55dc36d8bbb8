#pragma once

#include <cstdint>
#include <vector>

#include "converter/image_pac.h"

namespace pcd {

/// 24-bit pixels in the order an uncompressed TGA stores them: blue, green,
/// red; rows top first with no padding.
struct BgrImage {
  Size size;
  std::vector<std::uint8_t> pixels;
};

}  // namespace pcd
