#include "engine/colour.h"

#include <gtest/gtest.h>

#include "settings/settings_table.h"
#include "tests/helpers/edit_pictures.h"

namespace {

// A 4 × 1 strip: the grey levels 0, 127, 128 and 255.
Picture GreyStrip() {
  Picture pic = FilledPicture(4, 1, {});
  const std::uint8_t levels[] = {0, 127, 128, 255};
  for (int x = 0; x < 4; ++x)
    SetPixel(pic, x, 0, {levels[x], levels[x], levels[x]});
  return pic;
}

}  // namespace

TEST(AdjustColours, NeutralValuesLeaveThePictureAndInvertMakesTheNegative) {
  Settings s = DefaultSettings();
  s.do_image_color_correction = 1;
  Picture pic = AdjustColours(FilledPicture(2, 2, {10, 100, 250}), s);
  EXPECT_EQ((Rgb{10, 100, 250}), ColourAt(pic, 1, 1));
  s.image_invert = 1;
  pic = AdjustColours(std::move(pic), s);
  EXPECT_EQ((Rgb{245, 155, 5}), ColourAt(pic, 1, 1));
}

TEST(AdjustColours, ExpandsOneBitPicturesAndPassesSixteenBitOnes) {
  Settings s = DefaultSettings();
  s.do_image_color_correction = 1;
  s.image_invert = 1;
  Picture mono = Adopt(FreeImage_Allocate(8, 2, 1));
  mono = AdjustColours(std::move(mono), s);
  EXPECT_EQ(24u, FreeImage_GetBPP(mono.get()));
  EXPECT_EQ((Rgb{255, 255, 255}), ColourAt(mono, 0, 0));  // the black palette entry, inverted
  Picture rgb16 = Adopt(FreeImage_Allocate(8, 2, 16));
  EXPECT_EQ(16u, FreeImage_GetBPP(AdjustColours(std::move(rgb16), s).get()));
  s.do_image_color_correction = 0;
  Picture untouched = Adopt(FreeImage_Allocate(8, 2, 1));
  EXPECT_EQ(1u, FreeImage_GetBPP(AdjustColours(std::move(untouched), s).get()));
}

TEST(Greyscale, GivesAnEightBitGreyPicture) {
  Settings s = DefaultSettings();
  s.do_image_greyscale = 1;
  const Picture pic = Greyscale(FilledPicture(2, 2, {200, 200, 200}), s);
  EXPECT_EQ(8u, FreeImage_GetBPP(pic.get()));
  EXPECT_EQ(FIC_MINISBLACK, FreeImage_GetColorType(pic.get()));
  EXPECT_EQ((Rgb{200, 200, 200}), ColourAt(pic, 0, 0));
}

TEST(Threshold, SplitsAtTheLevelUsingItsLowByte) {
  struct Case {
    int threshold;
    Rgb expected[4];
  };

  constexpr Rgb kB = {0, 0, 0}, kW = {255, 255, 255};
  const Case cases[] = {
      {128, {kB, kB, kW, kW}},
      {127, {kB, kW, kW, kW}},
      {256, {kW, kW, kW, kW}},  // only the low byte, 0, counts
      {255, {kB, kB, kB, kW}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.threshold);
    Settings s = DefaultSettings();
    s.do_image_threshold = 1;
    s.image_threshold = c.threshold;
    const Picture pic = Threshold(GreyStrip(), s);
    ASSERT_EQ(1u, FreeImage_GetBPP(pic.get()));
    for (int x = 0; x < 4; ++x)
      EXPECT_EQ(c.expected[x], ColourAt(pic, x, 0)) << "x " << x;
  }
}

TEST(Dither, MapsEveryAlgorithmAndGivesOneBit) {
  const FREE_IMAGE_DITHER expected[] = {FID_FS,          FID_BAYER4x4,   FID_BAYER8x8,
                                        FID_BAYER16x16,  FID_CLUSTER6x6, FID_CLUSTER8x8,
                                        FID_CLUSTER16x16};
  for (int code = 0; code < 7; ++code)
    EXPECT_EQ(expected[code], DitherAlgorithm(code));
  EXPECT_EQ(FID_FS, DitherAlgorithm(7));
  Settings s = DefaultSettings();
  s.do_image_dither = 1;
  s.image_dither_algorithm = 2;
  EXPECT_EQ(1u, FreeImage_GetBPP(Dither(FilledPicture(16, 16, {90, 90, 90}), s).get()));
}

TEST(Dither, AfterThresholdSeesOnlyBlackAndWhite) {
  Settings s = DefaultSettings();
  s.do_image_threshold = s.do_image_dither = 1;
  s.image_threshold = 128;
  s.image_dither_algorithm = 2;  // an ordered dither keeps pure black and white as they are
  const Picture pic = Dither(Threshold(GreyStrip(), s), s);
  ASSERT_EQ(1u, FreeImage_GetBPP(pic.get()));
  EXPECT_EQ((Rgb{0, 0, 0}), ColourAt(pic, 1, 0));
  EXPECT_EQ((Rgb{255, 255, 255}), ColourAt(pic, 2, 0));
}
