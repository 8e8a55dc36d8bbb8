#pragma once

#include "converter/bgr_image.h"
#include "converter/ycc_planes.h"

namespace pcd {

/// PhotoYCC to sRGB, with chroma upsampled as Photo CD readers do. The
/// transform is ImageMagick's (its YCC colorspace, scaled to the 1388-step
/// PhotoYCC range and clipped), so pictures keep the colours users know from
/// `convert -colorspace sRGB`. On the samples the 8-bit output is identical
/// to ImageMagick's but for a few rounding ties.
BgrImage PhotoYccToBgr(const YccPlanes& planes);

}  // namespace pcd
