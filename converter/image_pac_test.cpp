#include "converter/image_pac.h"

#include <bitset>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
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

// A file past the Base tile whose coded data hold one row header (sync,
// plane 0, `row`, spare bit) starting `bit_offset` bits in.
std::vector<std::uint8_t> WithRowHeader(int bit_offset, unsigned row) {
  std::string bits(bit_offset, '0');
  bits += std::string(23, '1') + "0" + "00" + std::bitset<13>(row).to_string() + "0";
  bits.resize((bits.size() + 7) / 8 * 8, '0');
  std::vector<std::uint8_t> file(kBaseEnd + 64);
  for (std::size_t i = 0; i < bits.size(); i += 8)
    file[kBaseEnd + 8 + i / 8] =
        static_cast<std::uint8_t>(std::bitset<8>(bits.substr(i, 8)).to_ulong());
  return file;
}

TEST(MayEndRows, LooksForTheEndMarkerAtAnyBitOffset) {
  for (int offset = 0; offset < 8; ++offset) {
    SCOPED_TRACE(offset);
    EXPECT_TRUE(MayEndRows(WithRowHeader(offset, 2048), 0, 5));
    EXPECT_FALSE(MayEndRows(WithRowHeader(offset, 2047), 0, 5));  // a row, not the end
    EXPECT_TRUE(MayEndRows(WithRowHeader(offset, 1024), 0, 4));
    EXPECT_FALSE(MayEndRows(WithRowHeader(offset, 1023), 0, 4));
  }
  EXPECT_TRUE(MayEndRows(WithRowHeader(3, 0), 0, 3));  // uncompressed levels need none
}

std::vector<std::uint8_t> Sample(const std::string& name) {
  std::ifstream in(std::string(MARLENTA_SAMPLES) + "/" + name, std::ios::binary);
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

TEST(MayEndRows, FindsTheEndOfEveryLevelASampleHolds) {
  const std::vector<std::uint8_t> chart = Sample("chart-16base-chroma.pcd");
  EXPECT_TRUE(MayEndRows(chart, 0, 4));
  EXPECT_TRUE(MayEndRows(chart, 0, 5));
  EXPECT_TRUE(MayEndRows(Sample("plasma-4base.pcd"), 0, 4));
  const std::vector<std::uint8_t> truncated = Sample("truncated-16base.pcd");
  EXPECT_TRUE(MayEndRows(truncated, 0, 4));
  EXPECT_FALSE(MayEndRows(truncated, 0, 5));
}

TEST(MayEndRows, FindsAMarkerThatStraddlesTwoPieces) {
  const std::vector<std::uint8_t> file = WithRowHeader(5, 2048);
  const std::span<const std::uint8_t> all(file);
  // The header sits in bytes kBaseEnd + 8 to + 13; cut at every byte of it.
  for (std::size_t cut = kBaseEnd + 6; cut <= kBaseEnd + 14; ++cut) {
    SCOPED_TRACE(cut);
    const bool found = MayEndRows(all.first(cut), 0, 5)
                       || MayEndRows(all.subspan(cut - kRowHeaderReach), cut - kRowHeaderReach, 5);
    EXPECT_TRUE(found);
  }
}

}  // namespace
}  // namespace pcd
