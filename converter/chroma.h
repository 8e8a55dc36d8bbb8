#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "converter/image_pac.h"
#include "converter/ycc_planes.h"

namespace pcd {

/// Twice the width and height of `plane` (`size`, both at least 1): samples
/// kept on even pixels, rounded means of two neighbours between them and of
/// four on odd rows and columns, the last row and column repeating their
/// neighbour. This is the interpolation Photo CD readers use between levels,
/// so chroma upsampled here lines up with what the decoder predicts.
std::vector<std::uint8_t> Upsample(std::span<const std::uint8_t> plane, Size size);

/// Row `row` (0 to 2 * size.height - 1) of Upsample(plane, size) into `out`
/// (2 * size.width samples), so a full-size plane need never exist.
void UpsampleRow(std::span<const std::uint8_t> plane, Size size, int row, std::uint8_t* out);

/// The two chroma planes of the uncompressed tile of `level` (0 to 3) of an
/// image pac; the file must be at least kBaseEnd bytes long.
void ReadTileChroma(std::span<const std::uint8_t> file, int level, std::vector<std::uint8_t>* c1,
                    std::vector<std::uint8_t>* c2);

/// Level `level` (0 to 3) read straight from its uncompressed tile: the
/// stored bytes, chroma zero points included. The file must be at least
/// kBaseEnd bytes long.
YccPlanes ReadTile(std::span<const std::uint8_t> file, int level);

/// libavcodec hands chroma back shifted towards 128 and clipped at 0, which
/// loses every stored C1 below `floor` (28) and C2 below 9; real pictures have
/// them in saturated yellows and cyans. Adds `floor` back to `decoded`, and
/// where the decoder clipped, takes the value the Base tile predicts for that
/// sample (`predicted`, same size), capped at `floor` since the stored value
/// can be no higher. Exact where the level adds no chroma residuals (every
/// level below 16Base).
void RestoreClippedChroma(std::span<std::uint8_t> decoded, std::span<const std::uint8_t> predicted,
                          std::uint8_t floor);

}  // namespace pcd
