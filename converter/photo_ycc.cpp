#include "converter/photo_ycc.h"

#include <array>
#include <cmath>

#include "converter/chroma.h"

namespace pcd {

namespace {

// Contributions of each stored byte to the PhotoYCC index (0 to 1388) of
// each channel: index = 1024/255 * (1.3584 Y + a (C1 - 156) + b (C2 - 137)).
struct Tables {
  std::array<double, 256> luma, red_c2, green_c1, green_c2, blue_c1;
  std::array<std::uint8_t, 1389> to_srgb;

  Tables() {
    constexpr double kScale = 1024.0 / 255.0;
    for (int i = 0; i < 256; ++i) {
      luma[i] = kScale * 1.3584 * i;
      red_c2[i] = kScale * 1.8215 * (i - 137);
      green_c1[i] = kScale * -0.4302726 * (i - 156);
      green_c2[i] = kScale * -0.9271435 * (i - 137);
      blue_c1[i] = kScale * 2.2179 * (i - 156);
    }
    for (int i = 0; i <= 1388; ++i)
      to_srgb[i] = static_cast<std::uint8_t>(std::lround(i * 255.0 / 1388.0));
  }

  std::uint8_t Channel(double index) const {
    if (index <= 0.0)
      return 0;
    if (index >= 1388.0)
      return 255;
    return to_srgb[static_cast<int>(index + 0.5)];
  }
};

}  // namespace

BgrImage PhotoYccToBgr(const YccPlanes& planes) {
  static const Tables t;
  const Size size = planes.size;
  const Size chroma = ChromaSize(size);
  BgrImage image;
  image.size = size;
  image.pixels.resize(3 * static_cast<std::size_t>(size.width) * size.height);
  std::vector<std::uint8_t> c1(size.width), c2(size.width);
  std::uint8_t* out = image.pixels.data();
  for (int row = 0; row < size.height; ++row) {
    UpsampleRow(planes.c1, chroma, row, c1.data());
    UpsampleRow(planes.c2, chroma, row, c2.data());
    const std::uint8_t* luma = planes.luma.data() + static_cast<std::size_t>(row) * size.width;
    for (int x = 0; x < size.width; ++x, out += 3) {
      const double y = t.luma[luma[x]];
      const std::uint8_t u = c1[x], v = c2[x];
      out[0] = t.Channel(y + t.blue_c1[u]);
      out[1] = t.Channel(y + t.green_c1[u] + t.green_c2[v]);
      out[2] = t.Channel(y + t.red_c2[v]);
    }
  }
  return image;
}

}  // namespace pcd
