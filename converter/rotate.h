#pragma once

#include "converter/bgr_image.h"

namespace pcd {

/// `image` turned counter-clockwise by `quarter_turns` (taken modulo 4)
/// quarter turns; 1 and 3 swap width and height.
BgrImage TurnCounterClockwise(BgrImage image, int quarter_turns);

}  // namespace pcd
