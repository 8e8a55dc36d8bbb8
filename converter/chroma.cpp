#include "converter/chroma.h"

#include <algorithm>
#include <cstring>

namespace pcd {

namespace {

// Where the uncompressed tiles of Base/16, Base/4 and Base start.
constexpr std::size_t kTileOffset[] = {8192, 8192, 47104, 196608};

}  // namespace

void UpsampleRow(std::span<const std::uint8_t> plane, Size size, int row, std::uint8_t* out) {
  const int w = size.width;
  const int y = row / 2;
  const std::uint8_t* above = plane.data() + static_cast<std::size_t>(y) * w;
  // The last row repeats the one above it, as odd rows have no row below.
  if (row % 2 == 0 || y + 1 == size.height) {
    for (int x = 0; x + 1 < w; ++x) {
      out[2 * x] = above[x];
      out[2 * x + 1] = (above[x] + above[x + 1] + 1) >> 1;
    }
    out[2 * w - 2] = out[2 * w - 1] = above[w - 1];
    return;
  }
  const std::uint8_t* below = above + w;
  int pair = above[0] + below[0];
  for (int x = 0; x + 1 < w; ++x) {
    const int next = above[x + 1] + below[x + 1];
    out[2 * x] = static_cast<std::uint8_t>((pair + 1) >> 1);
    out[2 * x + 1] = static_cast<std::uint8_t>((pair + next + 2) >> 2);
    pair = next;
  }
  out[2 * w - 2] = out[2 * w - 1] = static_cast<std::uint8_t>((pair + 1) >> 1);
}

std::vector<std::uint8_t> Upsample(std::span<const std::uint8_t> plane, Size size) {
  const std::size_t out_w = 2 * static_cast<std::size_t>(size.width);
  std::vector<std::uint8_t> out(out_w * 2 * size.height);
  for (int row = 0; row < 2 * size.height; ++row)
    UpsampleRow(plane, size, row, out.data() + row * out_w);
  return out;
}

void ReadTileChroma(std::span<const std::uint8_t> file, int level, std::vector<std::uint8_t>* c1,
                    std::vector<std::uint8_t>* c2) {
  const Size luma = StoredSize(level);
  const Size chroma = ChromaSize(luma);
  c1->resize(static_cast<std::size_t>(chroma.width) * chroma.height);
  c2->resize(c1->size());
  // Each pair of luma rows is followed by one row of each chroma plane.
  const std::uint8_t* src = file.data() + kTileOffset[level];
  for (int y = 0; y < chroma.height; ++y) {
    src += 2 * luma.width;
    std::memcpy(c1->data() + static_cast<std::size_t>(y) * chroma.width, src, chroma.width);
    src += chroma.width;
    std::memcpy(c2->data() + static_cast<std::size_t>(y) * chroma.width, src, chroma.width);
    src += chroma.width;
  }
}

YccPlanes ReadTile(std::span<const std::uint8_t> file, int level) {
  YccPlanes planes;
  planes.size = StoredSize(level);
  const std::size_t width = static_cast<std::size_t>(planes.size.width);
  planes.luma.resize(width * planes.size.height);
  ReadTileChroma(file, level, &planes.c1, &planes.c2);
  const std::uint8_t* src = file.data() + kTileOffset[level];
  for (int y = 0; y + 1 < planes.size.height; y += 2) {
    std::memcpy(planes.luma.data() + y * width, src, 2 * width);
    src += 3 * width;  // two luma rows, then half a row of each chroma plane
  }
  return planes;
}

void RestoreClippedChroma(std::span<std::uint8_t> decoded, std::span<const std::uint8_t> predicted,
                          std::uint8_t floor) {
  for (std::size_t i = 0; i < decoded.size(); ++i)
    decoded[i] = decoded[i] == 0 ? std::min(predicted[i], floor) : decoded[i] + floor;
}

}  // namespace pcd
