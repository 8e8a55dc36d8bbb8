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

}  // namespace pcd
