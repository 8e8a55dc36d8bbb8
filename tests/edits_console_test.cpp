// Every family of edits through the real executable: options in, the saved
// TIFF file out. The stand-in converter delivers a 768 x 512 picture of grey
// 90 at level 3.
#include <gtest/gtest.h>

#include "engine/colour_text.h"
#include "engine/picture.h"
#include "tests/helpers/console_run.h"
#include "tests/helpers/edit_pictures.h"

namespace {

using Args = std::vector<std::string>;

class EditsConsole : public ::testing::Test {
 protected:
  EditsConsole() { box_.PhotoCd("a.pcd"); }

  // Converts a.pcd with `options` and loads the TIFF file it saved.
  Picture Convert(const Args& options) {
    Args args = {"-i", "a.pcd", "-o", "out"};
    args.insert(args.end(), options.begin(), options.end());
    box_.MakeFolders("out");
    const ConsoleResult r = box_.Run(args, {{"FAKE_LEVELS", "3"}});
    EXPECT_EQ(0, r.status) << r.out << r.err;
    return Adopt(FreeImage_Load(FIF_TIFF, box_.Path("out/a.tiff").c_str(), 0));
  }

  ConsoleSandbox box_;
};

constexpr Rgb kGrey = {90, 90, 90};

}  // namespace

TEST_F(EditsConsole, Geometry) {
  const Picture pic =
      Convert({"--rotation=90", "--width=50", "--width-unit=percent", "--height=50",
               "--height-unit=PERCENT", "--flip-horizontal", "--resize-algorithm=box"});
  EXPECT_EQ((Size{256, 384}), SizeOf(pic));
  EXPECT_EQ(kGrey, ColourAt(pic, 100, 100));
}

TEST_F(EditsConsole, Colours) {
  const Picture inverted = Convert({"--invert", "--greyscale"});
  EXPECT_EQ((Size{768, 512}), SizeOf(inverted));
  EXPECT_EQ((Rgb{165, 165, 165}), ColourAt(inverted, 10, 10));
  // Grey 90 lies below the threshold 91, so everything turns black.
  const Picture black = Convert({"--threshold=91", "--dither=bayer8"});
  EXPECT_EQ((Rgb{0, 0, 0}), ColourAt(black, 300, 200));
}

TEST_F(EditsConsole, Frame) {
  const Picture pic = Convert({"--fr-solid-left=20", "--fr-solid-right=20", "--fr-solid-top=30",
                               "--fr-solid-bottom=30", "--fr-solid-left-color=0000FF",
                               "--fr-solid-top-color=FF0000", "--fr-solid-right-color=FF0000",
                               "--fr-solid-bottom-color=FF0000", "--fr-solid-opacity=255"});
  EXPECT_EQ((Size{768, 512}), SizeOf(pic));
  EXPECT_EQ((Rgb{255, 0, 0}), ColourAt(pic, 400, 5));
  EXPECT_EQ((Rgb{0, 0, 255}), ColourAt(pic, 5, 250));
  EXPECT_EQ((Rgb{255, 0, 0}), ColourAt(pic, 15, 2));  // above the mitre's diagonal
  EXPECT_EQ((Rgb{0, 0, 255}), ColourAt(pic, 2, 25));  // below it
  EXPECT_EQ(kGrey, ColourAt(pic, 20, 30));
}

TEST_F(EditsConsole, TextWatermark) {
  const Picture pic = Convert({"--wm-text=%width%x%height%", "--wm-back-opacity=255",
                               "--wm-font=arial", "--wm-text-antialiasing"});
  // The black box ends 10 pixels from the bottom right corner.
  EXPECT_EQ((Rgb{0, 0, 0}), ColourAt(pic, 768 - 11, 512 - 11));
  EXPECT_EQ(kGrey, ColourAt(pic, 768 - 10, 512 - 10));
  EXPECT_EQ(kGrey, ColourAt(pic, 10, 10));

  const ConsoleResult refused =
      box_.Run({"-i", "a.pcd", "-o", "out", "--wm-text=x", "--wm-font=No Such Face"},
               {{"FAKE_LEVELS", "3"}});
  EXPECT_EQ(1, refused.status);
  ASSERT_FALSE(refused.lines.empty());
  EXPECT_EQ("Error: Invalid watermark font", refused.lines.back());
}

TEST_F(EditsConsole, ImageWatermark) {
  const Picture mark = FilledPicture(40, 20, {255, 0, 0});
  ASSERT_TRUE(FreeImage_Save(FIF_PNG, mark.get(), box_.Path("mark.png").c_str(), 0));
  const Picture pic =
      Convert({"--wm-image=mark.png", "--wm-image-position=topleft", "--wm-image-x-offset=5",
               "--wm-image-y-offset=0", "--wm-image-rotation=90"});
  // Turned upright: 20 wide, 40 high, from (5, 0).
  const Rgb marked = ColourAt(pic, 5, 39);
  EXPECT_GT(marked.red, 240);
  EXPECT_LT(marked.green, 5);
  EXPECT_EQ(kGrey, ColourAt(pic, 4, 10));
  EXPECT_EQ(kGrey, ColourAt(pic, 25, 10));
  EXPECT_EQ(kGrey, ColourAt(pic, 10, 40));
}
