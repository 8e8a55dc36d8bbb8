#include "converter/image_pac.h"

#include <cstring>
#include <vector>

#include <gtest/gtest.h>

namespace pcd {
namespace {

std::vector<std::uint8_t> Header(const char* signature, std::uint8_t attributes) {
  std::vector<std::uint8_t> head(kHeaderSize);
  std::memcpy(head.data() + 0x800, signature, 7);
  head[0x0E02] = attributes;
  return head;
}

TEST(ReadImagePacInfo, RefusesWhatIsNoImagePac) {
  EXPECT_FALSE(ReadImagePacInfo({}, 0));
  EXPECT_FALSE(ReadImagePacInfo(Header("PCD_IPI", 0), kBaseEnd - 1));  // Base tile cut
  EXPECT_FALSE(ReadImagePacInfo(Header("PCD_OPA", 0), kBaseEnd));      // overview pac
  std::vector<std::uint8_t> cut = Header("PCD_IPI", 0);
  cut.resize(0x900);  // signature, but no attribute byte
  EXPECT_FALSE(ReadImagePacInfo(cut, kBaseEnd));
  EXPECT_TRUE(ReadImagePacInfo(Header("PCD_IPI", 0), kBaseEnd));
}

TEST(ReadImagePacInfo, ReadsTurnAndHighestLevelFromTheAttributeByte) {
  struct Case {
    std::uint8_t attributes;
    int quarter_turns;
    int top_level;
  };

  const Case cases[] = {
      {0x00, 0, 3}, {0x04, 0, 4}, {0x08, 0, 5}, {0x09, 1, 5},
      {0x0A, 2, 5}, {0x07, 3, 4}, {0x0C, 0, 5},  // reserved 3: decoding decides
      {0xF0, 0, 3},                              // bits above 3 mean nothing here
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.attributes);
    const auto info = ReadImagePacInfo(Header("PCD_IPI", c.attributes), kBaseEnd);
    ASSERT_TRUE(info);
    EXPECT_EQ(c.quarter_turns, info->quarter_turns);
    EXPECT_EQ(c.top_level, info->declared_top_level);
  }
}

TEST(MayHoldLevel, RefusesLevelsTheHeaderOrLengthRulesOut) {
  const ImagePacInfo sixteen{0, 5}, four{0, 4};
  const std::size_t big = 2'000'000;
  EXPECT_TRUE(MayHoldLevel(sixteen, big, 5));
  EXPECT_FALSE(MayHoldLevel(sixteen, big, 6));  // 64Base is never in an image pac
  EXPECT_FALSE(MayHoldLevel(sixteen, big, -1));
  EXPECT_FALSE(MayHoldLevel(four, big, 5));
  EXPECT_TRUE(MayHoldLevel(four, big, 4));
  // A Base-only length holds no 4Base whatever the header claims.
  EXPECT_FALSE(MayHoldLevel(sixteen, kBaseOnlyFileSize, 4));
  EXPECT_TRUE(MayHoldLevel(sixteen, kBaseOnlyFileSize, 3));
  EXPECT_TRUE(MayHoldLevel(four, kBaseEnd, 0));
}

}  // namespace
}  // namespace pcd
