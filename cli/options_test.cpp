#include "cli/options.h"

#include <gtest/gtest.h>

#include "settings/settings_table.h"

namespace {

struct Parsed {
  Settings s{};
  JobState job;
  ParsedOptions result;
};

Parsed Parse(const std::vector<std::string>& args) {
  Parsed p;
  ResetContext context;
  context.keep_proportions = true;
  ResetSettings(p.s, context);
  p.result = ParseOptions(args, p.s, p.job);
  return p;
}

TEST(OptionName, TakesThePartBeforeTheEqualsSignOfLongNamesOnly) {
  EXPECT_EQ("--TIFF-COMPRESSION", OptionName("  --tiff-compression=lzw "));
  EXPECT_EQ("-I=X", OptionName("-i=x"));
  EXPECT_EQ("", OptionName("photos"));
  EXPECT_EQ("lzw", OptionValue("--tiff-compression=lzw"));
  EXPECT_EQ("", OptionValue("--filename-mask="));
  EXPECT_EQ("a=b", OptionValue("--wm-text=a=b"));
  EXPECT_EQ("-50", OptionValue(" -50 "));
}

TEST(ParseOptions, ValuesBecomeSettingsByTheirKind) {
  const Parsed p = Parse({"--width=50%", "--gamma=1,5", "--TIFF-compression=lzw", "--invert=0",
                          "--rotation=$10", "--brightness=-40", "--dither=bayer8"});
  ASSERT_EQ("", p.result.error);
  EXPECT_EQ(50, p.s.image_width);
  EXPECT_EQ(1, p.s.do_image_resize);
  EXPECT_EQ(0, p.s.image_height);  // --width alone switches resizing on, height stays 0
  EXPECT_FLOAT_EQ(1.0f, p.s.image_gamma);
  EXPECT_EQ(6, p.s.tiff_compression);
  EXPECT_EQ(1, p.s.image_invert);
  EXPECT_EQ(1, p.s.do_image_color_correction);
  EXPECT_EQ(16, p.s.transform_image_rotation);
  EXPECT_EQ(1, p.s.do_image_rotation);
  EXPECT_EQ(-40, p.s.image_brightness);
  EXPECT_EQ(2, p.s.image_dither_algorithm);
  EXPECT_EQ(1, p.s.do_image_dither);
}

TEST(ParseOptions, TheLaterOptionWinsAndUnknownWordsPass) {
  const Parsed p = Parse({"stray", "--no-such-option=1", "--width=10", "--width=abc", "-h",
                          "--no-subfolders", "--wm-text=first", "--wm-text=second"});
  ASSERT_EQ("", p.result.error);
  EXPECT_EQ(0, p.s.image_width);
  EXPECT_EQ(0, p.s.keep_subfolders);
  EXPECT_EQ("second", p.s.text);
  EXPECT_EQ(1, p.s.do_watermark);
  EXPECT_FALSE(p.job.input_named);
}

TEST(ParseOptions, QuotedValuesJoinTheFollowingParameters) {
  const Parsed p = Parse(
      {"-i", "\"my", "photos\"", "-o", "\"out\"", "--wm-text=\"two", "words\"", "-c", "\"tiff\""});
  ASSERT_EQ("", p.result.error);
  EXPECT_EQ("my photos", p.job.input_path);
  EXPECT_TRUE(p.job.input_named);
  EXPECT_EQ("out", p.job.output_folder);
  EXPECT_EQ("two words", p.s.text);
  EXPECT_EQ("tiff", p.job.output_extension);
}

TEST(ParseOptions, FrontEndFlagsActAnywhere) {
  const Parsed p = Parse({"-i", "a.pcd", "-D", "--quiet", "-p=1"});
  EXPECT_EQ(RunMode::kDebug, p.job.run_mode);
  EXPECT_TRUE(p.result.quiet);
  EXPECT_FALSE(p.result.pause);  // "-p=1" is no option name
  EXPECT_TRUE(Parse({"--pause=yes"}).result.pause);
}

TEST(ParseOptions, AMissingValueStopsTheLoop) {
  struct Case {
    std::vector<std::string> args;
    bool input_named;
  };

  const Case cases[] = {
      {{"-i"}, false},
      {{"--input", "a.pcd"}, false},
      {{"--input=-a.pcd"}, false},
      {{"-i", "-q"}, false},
      {{"-i", "a.pcd", "-o"}, true},
      {{"--brightness=--40", "-i", "a.pcd"}, false},
      {{"--filename-mask=", "-i", "a.pcd"}, false},
      {{"--profile", "-i", "a.pcd"}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args.front());
    const Parsed p = Parse(c.args);
    EXPECT_EQ("Incorrect number of parameters", p.result.error);
    EXPECT_EQ(c.input_named, p.job.input_named);
  }
  // The next parameter's option value is the part after its "=".
  EXPECT_EQ("x", Parse({"-o", "--output=x"}).job.output_folder);
  // Flags after the failure are never seen.
  EXPECT_FALSE(Parse({"-i", "-q", "-p"}).result.pause);
  EXPECT_TRUE(Parse({"-p", "-i"}).result.pause);
}

TEST(ParseOptions, AnUnreadableProfileIsAnError) {
  const Parsed p = Parse({"-q", "--profile=/no/such/profile.ini", "-i", "a.pcd"});
  EXPECT_EQ("Invalid profile file", p.result.error);
  EXPECT_FALSE(p.job.input_named);
}

}  // namespace
