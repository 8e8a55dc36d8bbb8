#include "settings/option_value.h"

#include <cmath>

#include <gtest/gtest.h>

TEST(OptionValue, IntegersReadAsFarAsTheyGo) {
  struct Case {
    const char* text;
    std::int32_t value;
  };

  const Case cases[] = {{"50%", 50}, {"abc", 0}, {"-40", -40},  {" \t+7", 7},  {"$1F", 31},
                        {"%101", 5}, {"", 0},    {"-$10", -16}, {"12abc", 12}, {"4294967297", 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(c.value, ReadOptionInteger(c.text));
  }
}

TEST(OptionValue, DecimalsUseADotAndKnowInfinityAndNan) {
  EXPECT_FLOAT_EQ(1.0f, ReadOptionDecimal("1,5"));
  EXPECT_FLOAT_EQ(2.25f, ReadOptionDecimal("2.25"));
  EXPECT_FLOAT_EQ(0.0f, ReadOptionDecimal("abc"));
  EXPECT_FLOAT_EQ(150.0f, ReadOptionDecimal("1.5e2"));
  EXPECT_TRUE(std::isinf(ReadOptionDecimal("-INFINITY")));
  EXPECT_TRUE(std::isnan(ReadOptionDecimal("nan")));
}

TEST(OptionValue, ApplyingAnOptionStoresItAndTurnsItsSwitchOn) {
  Settings s{};
  ApplyOption(s, *FindOption("--WIDTH", false), "abc");
  EXPECT_EQ(0, s.image_width);
  EXPECT_EQ(1, s.do_image_resize);

  ApplyOption(s, *FindOption("--TIFF-COMPRESSION", false), " zip ");
  EXPECT_EQ(1, s.tiff_compression);  // the shared compression table, whatever code 1 means here

  ApplyOption(s, *FindOption("--INVERT", false), "0");
  EXPECT_EQ(1, s.image_invert);
  EXPECT_EQ(1, s.do_image_color_correction);

  s.keep_subfolders = 1;
  ApplyOption(s, *FindOption("--NO-SUBFOLDERS", false), "");
  EXPECT_EQ(0, s.keep_subfolders);

  ApplyOption(s, *FindOption("--WM-IMAGE", false), "logo.png");
  EXPECT_EQ("logo.png", s.image);
  EXPECT_EQ(2, s.do_watermark);

  ApplyOption(s, *FindOption("--GAMMA", false), "1,5");
  EXPECT_FLOAT_EQ(1.0f, s.image_gamma);
}
