#include "converter/rotate.h"

#include <gtest/gtest.h>

namespace pcd {
namespace {

// A w x h picture whose pixel (x, y) holds the mark 10 y + x in all channels.
BgrImage Numbered(int w, int h) {
  BgrImage image{{w, h}, {}};
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      image.pixels.insert(image.pixels.end(), 3, static_cast<std::uint8_t>(10 * y + x));
  return image;
}

std::vector<int> Marks(const BgrImage& image) {
  std::vector<int> marks;
  for (std::size_t i = 0; i < image.pixels.size(); i += 3)
    marks.push_back(image.pixels[i]);
  return marks;
}

TEST(TurnCounterClockwise, TurnsAQuarterAtATime) {
  // 0 1 2
  // 10 11 12
  struct Case {
    int turns;
    Size size;
    std::vector<int> marks;
  };

  const Case cases[] = {
      {0, {3, 2}, {0, 1, 2, 10, 11, 12}},
      {1, {2, 3}, {2, 12, 1, 11, 0, 10}},  // the right edge comes to the top
      {2, {3, 2}, {12, 11, 10, 2, 1, 0}},
      {3, {2, 3}, {10, 0, 11, 1, 12, 2}},  // clockwise: the left edge to the top
      {-1, {2, 3}, {10, 0, 11, 1, 12, 2}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.turns);
    const BgrImage turned = TurnCounterClockwise(Numbered(3, 2), c.turns);
    EXPECT_EQ(c.size, turned.size);
    EXPECT_EQ(c.marks, Marks(turned));
  }
}

}  // namespace
}  // namespace pcd
