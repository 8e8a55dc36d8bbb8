#include "cli/progress_line.h"

#include <gtest/gtest.h>

namespace {

TEST(TimeLeft, AveragesTheFilesDoneAndCountsTheCurrentOneDown) {
  TimeLeft left;
  left.Update(1, 0);
  EXPECT_EQ(-1, left.Estimate(4, 500));  // nothing finished yet
  left.Update(2, 2000);                  // first file took 2 s
  EXPECT_EQ(3 * 2000 - 500, left.Estimate(4, 2500));
  left.Update(3, 3000);  // 1.5 s each on average
  EXPECT_EQ(2 * 1500, left.Estimate(4, 3000));
  EXPECT_EQ(0, left.Estimate(4, 60000));
}

TEST(ConvertProgressText, ShowsCountFileAndTime) {
  EXPECT_EQ("3 of 10: IMG0003.pcd, 1:05 left",
            ConvertProgressText(3, 10, "/photos/IMG0003.pcd", 64500));
  EXPECT_EQ("1 of 2: a.pcd", ConvertProgressText(1, 2, "a.pcd", -1));
}

}  // namespace
