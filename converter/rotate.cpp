#include "converter/rotate.h"

#include <cstring>

namespace pcd {

BgrImage TurnCounterClockwise(BgrImage image, int quarter_turns) {
  const int turns = ((quarter_turns % 4) + 4) % 4;
  if (turns == 0)
    return image;
  const int w = image.size.width, h = image.size.height;
  BgrImage out;
  out.size = turns == 2 ? image.size : Size{h, w};
  out.pixels.resize(image.pixels.size());
  const std::uint8_t* src = image.pixels.data();
  std::uint8_t* dst = out.pixels.data();
  // Walk the source in order and scatter, so reads stay sequential.
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x, src += 3) {
      int to_x = 0, to_y = 0;
      switch (turns) {
        case 1:
          to_x = y, to_y = w - 1 - x;
          break;
        case 2:
          to_x = w - 1 - x, to_y = h - 1 - y;
          break;
        default:
          to_x = h - 1 - y, to_y = x;
          break;
      }
      std::memcpy(dst + 3 * (static_cast<std::size_t>(to_y) * out.size.width + to_x), src, 3);
    }
  }
  return out;
}

}  // namespace pcd
