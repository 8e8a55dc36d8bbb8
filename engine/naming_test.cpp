#include "engine/naming.h"

#include <ctime>

#include <gtest/gtest.h>

namespace {

PlaceholderValues Values(const char* input = "/photos/IMG0001.PCD") {
  PlaceholderValues v;
  v.input_path = input;
  v.output_extension = "tiff";
  v.bit_depth = 24;
  v.width = 3072;
  v.height = 2048;
  v.random_number = 42;
  v.file_counter = 1;
  v.now = [] {
    std::tm tm{};
    tm.tm_year = 2024 - 1900;
    tm.tm_mon = 2;
    tm.tm_mday = 5;
    tm.tm_hour = 9;
    tm.tm_min = 7;
    tm.tm_sec = 3;
    tm.tm_isdst = -1;
    return static_cast<std::int64_t>(std::mktime(&tm));
  };
  return v;
}

}  // namespace

TEST(ExpandMask, FillsEveryPlaceholderInItsOrder) {
  struct Case {
    const char* mask;
    const char* expected;
  };

  const Case cases[] = {
      {"%filename%.%ext%", "IMG0001.tiff"},
      {"", "IMG0001.tiff"},
      {"%filename[u]%.%ext[u]%", "IMG0001.TIFF"},
      {"%filename[l]%.%ext%", "img0001.tiff"},
      {"%filename[t]%.%ext[t]%", "Img0001.Tiff"},
      {"%yyyy%-%mm%-%dd%_%hh%%ii%%ss%_%filename%.%ext%", "2024-03-05_090703_IMG0001.tiff"},
      {"%width%x%height%_%bpp%.%ext%", "3072x2048_24.tiff"},
      {"Photo_%FILENAME%_%n%.%EXT%", "photo_IMG0001_00001.tiff"},
      {"%rnd%", "00042"},
      {"%filename%", "IMG0001"},
      {"sub\\%frame%", "sub\\1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mask);
    EXPECT_EQ(c.expected, ExpandMask(c.mask, Values()));
  }
}

TEST(ExpandMask, InsertedTextMeetsTheLaterPlaceholders) {
  EXPECT_EQ("a00001.tiff", ExpandMask("%filename%.%ext%", Values("/x/a%n%.pcd")));
  EXPECT_EQ("roll.1.tiff", ExpandMask("", Values("/x/roll.1.pcd")));
  // A backslash belongs to the Linux file name, it is no folder separator.
  EXPECT_EQ("a\\b.tiff", ExpandMask("", Values("/x/a\\b.pcd")));
}

TEST(ExpandMask, FiveDigitFieldsPadAndCut) {
  PlaceholderValues v = Values();
  v.file_counter = 123456;
  EXPECT_EQ("12345", ExpandMask("%n%", v));
  v.file_counter = 3;
  EXPECT_EQ("00003", ExpandMask("%n%", v));
}

TEST(ExpandMask, CaseChangesCoverUnicode) {
  EXPECT_EQ("ÉTÉ.tiff", ExpandMask("%filename[u]%.%ext%", Values("/x/été.pcd")));
  EXPECT_EQ("Été.tiff", ExpandMask("%filename[t]%.%ext%", Values("/x/éTÉ.pcd")));
}

TEST(OutputPath, AddsTheSubfolderOnlyWhenKept) {
  EXPECT_EQ("/out/sub/IMG0001.tiff", OutputPath("/out/", "sub/", true, "", Values()));
  EXPECT_EQ("/out/IMG0001.tiff", OutputPath("/out/", "sub/", false, "", Values()));
}

TEST(ReplacePlaceholder, MatchesAnyCaseAndKeepsOtherText) {
  EXPECT_EQ("IMG0001 and IMG0001",
            ReplacePlaceholder("%FileName% and %FILENAME%", "%filename%", Values()));
  EXPECT_EQ("%ext% 00042", ReplacePlaceholder("%ext% %RND%", "%rnd%", Values()));
  EXPECT_EQ("%nope%", ReplacePlaceholder("%nope%", "%nope%", Values()));
}
