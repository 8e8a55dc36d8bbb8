#pragma once

#include <cstdint>
#include <vector>

#include "converter/image_pac.h"

namespace pcd {

/// A picture as Photo CD stores it: PhotoYCC bytes with the two chroma
/// planes at half the width and half the height, each sample sitting on the
/// even luma pixel (the way Photo CD readers upsample it). Values are the
/// stored bytes, chroma zero points included (156 for C1, 137 for C2).
struct YccPlanes {
  Size size;
  std::vector<std::uint8_t> luma;  // size.width x size.height
  std::vector<std::uint8_t> c1;    // ChromaSize(size)
  std::vector<std::uint8_t> c2;
};

inline Size ChromaSize(Size luma) {
  return {luma.width / 2, luma.height / 2};
}

}  // namespace pcd
