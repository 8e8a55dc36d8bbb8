#include "converter/decode.h"

#include <algorithm>

#include "converter/avcodec_decoder.h"
#include "converter/chroma.h"
#include "converter/image_pac.h"
#include "converter/photo_ycc.h"
#include "converter/rotate.h"

namespace pcd {

namespace {

// The stored chroma zero points are 156 and 137; libavcodec moves both to
// 128 and clips, so these are the lowest values it can hand back intact.
constexpr std::uint8_t kC1Floor = 28;
constexpr std::uint8_t kC2Floor = 9;

void RestoreChroma(std::span<const std::uint8_t> file, int level, YccPlanes* planes) {
  if (std::find(planes->c1.begin(), planes->c1.end(), 0) == planes->c1.end()
      && std::find(planes->c2.begin(), planes->c2.end(), 0) == planes->c2.end()) {
    // Nothing was clipped, which is the usual case: only undo the shift.
    for (std::uint8_t& v : planes->c1)
      v += kC1Floor;
    for (std::uint8_t& v : planes->c2)
      v += kC2Floor;
    return;
  }
  // The tile of the level itself, or for 4Base and 16Base the Base tile,
  // upsampled as the decoder does before it adds any residuals.
  const int tile = level < 3 ? level : 3;
  std::vector<std::uint8_t> c1, c2;
  ReadTileChroma(file, tile, &c1, &c2);
  for (int l = tile; l < level; ++l) {
    const Size at = ChromaSize(StoredSize(l));
    c1 = Upsample(c1, at);
    c2 = Upsample(c2, at);
  }
  RestoreClippedChroma(planes->c1, c1, kC1Floor);
  RestoreClippedChroma(planes->c2, c2, kC2Floor);
}

}  // namespace

std::optional<std::string> RefusalFromHeader(std::span<const std::uint8_t> head,
                                             std::size_t file_size, int level) {
  const std::optional<ImagePacInfo> info = ReadImagePacInfo(head, file_size);
  if (!info)
    return "not a Photo CD image pac";
  if (!MayHoldLevel(*info, file_size, level))
    return "the file does not hold this level";
  return std::nullopt;
}

std::optional<BgrImage> DecodePhotoCd(std::span<const std::uint8_t> file, int level,
                                      std::string* err) {
  if (std::optional<std::string> refusal = RefusalFromHeader(file, file.size(), level)) {
    *err = *refusal;
    return std::nullopt;
  }
  if (!MayEndRows(file, 0, level)) {
    *err = "the file ends before the last row of this level";
    return std::nullopt;
  }
  const ImagePacInfo info = *ReadImagePacInfo(file, file.size());
  // Base and the thumbnails are stored uncompressed: reading them directly
  // gives the same bytes and spares loading libavcodec, which takes longer
  // than the whole decode of such a level.
  if (level <= 3)
    return TurnCounterClockwise(PhotoYccToBgr(ReadTile(file, level)), info.quarter_turns);
  std::optional<YccPlanes> planes = DecodeWithAvcodec(file, level, err);
  if (!planes)
    return std::nullopt;
  RestoreChroma(file, level, &*planes);
  return TurnCounterClockwise(PhotoYccToBgr(*planes), info.quarter_turns);
}

}  // namespace pcd
