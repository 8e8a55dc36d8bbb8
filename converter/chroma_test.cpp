#include "converter/chroma.h"

#include <gtest/gtest.h>

namespace pcd {
namespace {

TEST(Upsample, KeepsSamplesOnEvenPixelsAndRoundsMeansBetween) {
  // 3x2 -> 6x4. Last column and row repeat their neighbours.
  const std::vector<std::uint8_t> plane = {10, 21, 40,  //
                                           30, 50, 0};
  const std::vector<std::uint8_t> expected = {
      10, 16, 21, 31, 40, 40,  // row 0: samples, (a+b+1)/2 between
      20, 28, 36, 28, 20, 20,  // row 1: (a+c+1)/2 and (a+b+c+d+2)/4
      30, 40, 50, 25, 0,  0,   // row 2: samples of the second row
      30, 40, 50, 25, 0,  0,   // row 3: repeats row 2
  };
  EXPECT_EQ(expected, Upsample(plane, {3, 2}));
}

TEST(RestoreClippedChroma, UndoesTheShiftAndCapsPredictionsWhereClipped) {
  std::vector<std::uint8_t> decoded = {0, 0, 1, 227};
  const std::vector<std::uint8_t> predicted = {5, 90, 200, 0};
  RestoreClippedChroma(decoded, predicted, 28);
  // A clipped sample was at most 28: the prediction where it is below that.
  EXPECT_EQ((std::vector<std::uint8_t>{5, 28, 29, 255}), decoded);
}

}  // namespace
}  // namespace pcd
