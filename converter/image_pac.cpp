#include "converter/image_pac.h"

#include <algorithm>
#include <cstring>

namespace pcd {

namespace {

// The image component attributes byte of the picture header sector.
constexpr std::size_t kAttributes = 0x0E02;
constexpr std::size_t kSignature = 0x0800;
constexpr char kImagePac[] = "PCD_IPI";

}  // namespace

Size StoredSize(int level) {
  static constexpr Size kSizes[kMaxLevel + 1] = {
      {192, 128}, {192, 128}, {384, 256}, {768, 512}, {1536, 1024}, {3072, 2048}, {6144, 4096}};
  if (level < 0 || level > kMaxLevel)
    return {};
  return kSizes[level];
}

std::optional<ImagePacInfo> ReadImagePacInfo(std::span<const std::uint8_t> head,
                                             std::size_t file_size) {
  if (file_size < kBaseEnd || head.size() < kHeaderSize
      || std::memcmp(head.data() + kSignature, kImagePac, sizeof kImagePac - 1) != 0)
    return std::nullopt;
  const std::uint8_t attributes = head[kAttributes];
  ImagePacInfo info;
  // Bits 0-1 are the turn the picture needs on display; Kodak counts them
  // counter-clockwise, as ImageMagick does for 1 and 3.
  info.quarter_turns = attributes & 3;
  // Bits 2-3: 0 Base, 1 4Base, 2 16Base; 3 is reserved, so it proves nothing.
  const int top = (attributes >> 2) & 3;
  info.declared_top_level = top == 3 ? 5 : 3 + top;
  return info;
}

bool MayHoldLevel(const ImagePacInfo& info, std::size_t file_size, int level) {
  if (level < 0 || level > 5)
    return false;
  if (level <= 3)
    return file_size >= kBaseEnd;
  return file_size > kBaseOnlyFileSize && level <= info.declared_top_level;
}

bool MayEndRows(std::span<const std::uint8_t> part, std::size_t offset, int level) {
  if (level != 4 && level != 5)
    return true;
  const unsigned height = static_cast<unsigned>(StoredSize(level).height);
  // A row header is 23 one bits and a zero (the sync, at any bit offset),
  // two plane bits and a 13-bit row number. 23 ones always span two whole
  // 0xFF bytes, and coded residuals never hold such a run, so only those
  // places need a look: the sync starts in the byte before them or the first.
  const std::size_t first = offset > kBaseEnd ? 1 : kBaseEnd + 1 - offset;
  for (std::size_t i = first; i + kRowHeaderReach - 2 < part.size(); ++i) {
    if (part[i] != 0xFF || part[i + 1] != 0xFF)
      continue;
    std::uint64_t window = 0;
    for (std::size_t k = 0; k < 8; ++k)
      window = window << 8 | part[i - 1 + k];
    for (int bit = 0; bit < 16; ++bit) {
      const std::uint64_t sync = window >> (40 - bit) & 0xFFFFFF;
      const unsigned row = static_cast<unsigned>(window >> (25 - bit)) & 0x1FFF;
      if (sync == 0xFFFFFE && row >= height)
        return true;
    }
  }
  return false;
}

}  // namespace pcd
