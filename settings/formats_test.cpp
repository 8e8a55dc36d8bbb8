#include "settings/formats.h"

#include <array>
#include <set>

#include <FreeImage.h>
#include <gtest/gtest.h>

TEST(AcceptedInput, LowerCasesTheFileExtensionOnly) {
  struct Case {
    std::string_view extension;
    bool accepted;
  };

  // tif is in the catalogue, but not a format this member reads.
  const Case cases[] = {
      {"pcd", true},  {"PCD1", true},  {"Pcds", true},  {"ppcd", true}, {"PCD", true},
      {"tif", false}, {"pcd ", false}, {".pcd", false}, {"", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.extension);
    EXPECT_EQ(c.accepted, IsAcceptedInput(c.extension));
  }
}

TEST(ValidOutput, IsOnTheOutputListCaseIncluded) {
  EXPECT_TRUE(IsValidOutput("tiff"));
  EXPECT_FALSE(IsValidOutput("TIFF"));
  EXPECT_FALSE(IsValidOutput("tif"));
  EXPECT_FALSE(IsValidOutput("jpg"));  // in the catalogue, not on this member's list
}

TEST(BitDepth, ValidityAndNearestFollowTheFormatsList) {
  struct Case {
    int depth;
    bool valid;
    int nearest;
  };

  const Case tiff_cases[] = {
      {0, true, 1},   {1, true, 1},    {2, false, 4},  {16, false, 24},
      {24, true, 24}, {33, false, 48}, {96, true, 96}, {128, false, 96},
  };
  for (const Case& c : tiff_cases) {
    SCOPED_TRACE(c.depth);
    EXPECT_EQ(c.valid, IsValidBitDepth("tiff", c.depth));
    EXPECT_EQ(c.nearest, NearestBitDepth("tiff", c.depth));
  }
  EXPECT_TRUE(IsValidBitDepth("tga", 16));
  EXPECT_TRUE(IsValidBitDepth("nope", 0));
  EXPECT_FALSE(IsValidBitDepth("nope", 24));
  EXPECT_EQ(24, NearestBitDepth("nope", 24));
}

TEST(OutputFormats, IdsAreFreeImagesOwn) {
  const std::pair<std::string_view, FREE_IMAGE_FORMAT> expected[] = {
      {"bmp", FIF_BMP},   {"ico", FIF_ICO},   {"jpg", FIF_JPEG},  {"jng", FIF_JNG},
      {"pbm", FIF_PBM},   {"pgm", FIF_PGM},   {"png", FIF_PNG},   {"ppm", FIF_PPM},
      {"tga", FIF_TARGA}, {"tiff", FIF_TIFF}, {"wbmp", FIF_WBMP}, {"xpm", FIF_XPM},
      {"gif", FIF_GIF},   {"hdr", FIF_HDR},   {"exr", FIF_EXR},   {"j2k", FIF_J2K},
      {"jp2", FIF_JP2},   {"pfm", FIF_PFM},   {"webp", FIF_WEBP}, {"jxr", FIF_JXR},
  };
  ASSERT_EQ(std::size(expected), OutputFormats().size());
  for (const auto& [extension, fif] : expected) {
    SCOPED_TRACE(extension);
    EXPECT_EQ(fif, OutputFormatId(extension));
  }
  EXPECT_EQ(FIF_UNKNOWN, OutputFormatId("tif"));
}

TEST(Catalogue, KeysAreUniqueAndAliasesPointAtRealFormats) {
  std::set<std::string_view> inputs;
  for (const InputFormat& f : InputFormats())
    EXPECT_TRUE(inputs.insert(f.extension).second) << f.extension;
  for (const InputFormat& f : InputFormats()) {
    SCOPED_TRACE(f.extension);
    EXPECT_TRUE(inputs.count(f.canonical));
    EXPECT_FALSE(f.description.empty());
  }
  std::set<std::string_view> outputs;
  for (const OutputFormat& f : OutputFormats()) {
    SCOPED_TRACE(f.extension);
    EXPECT_TRUE(outputs.insert(f.extension).second);
    const std::vector<int> depths = AllowedBitDepths(f.extension);
    ASSERT_FALSE(depths.empty());
    EXPECT_TRUE(std::is_sorted(depths.begin(), depths.end()));
  }
}

TEST(Labels, NameTheFormatAndItsDepths) {
  EXPECT_EQ("TIFF", OutputFormatLabel("tiff", false));
  EXPECT_EQ("TIFF (Tagged Image File Format)", OutputFormatLabel("tiff", true));
  const std::vector<std::string> choices = {"Auto", "1", "4", "8", "24", "32", "48", "96"};
  EXPECT_EQ(choices, BitDepthChoices("tiff"));
}

TEST(InputDialogFilter, ListsEveryPatternThenOneEntryPerDescription) {
  EXPECT_EQ((std::vector<std::string_view>{"pcd", "pcd1", "pcds", "ppcd"}),
            AcceptedInputExtensions());
  EXPECT_EQ(
      "All Supported Files|*.pcd;*.pcd1;*.pcds;*.ppcd"
      "|Kodak PhotoCD File|*.ppcd;*.pcds;*.pcd1;*.pcd|All Files (*.*)|*.*",
      InputDialogFilter());

  // A member reading two formats, one of them with an alias of its own description.
  const std::array<std::string_view, 2> reads = {"tiff", "wmf"};
  EXPECT_EQ(
      "All Supported Files|*.tiff;*.tif;*.wmf;*.wmz;*.apm"
      "|Tagged Image File Format|*.tif;*.tiff|Windows Metafile Format|*.wmz;*.wmf"
      "|Aldus Placeable Metafile|*.apm|All Files (*.*)|*.*",
      InputDialogFilter(AcceptedInputExtensions(reads)));
}
