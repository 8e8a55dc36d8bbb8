#include "engine/geometry.h"

#include <gtest/gtest.h>

#include "settings/settings_table.h"
#include "tests/helpers/edit_pictures.h"

namespace {

Settings ResizeTo(int width, int height, bool keep_aspect, int type = codes::kAllImages,
                  int unit = codes::kPixels) {
  Settings s = DefaultSettings();
  s.do_image_resize = 1;
  s.image_width = width;
  s.image_height = height;
  s.image_width_unit = s.image_height_unit = static_cast<std::int8_t>(unit);
  s.keep_aspect_ratio = keep_aspect;
  s.image_resize_type = static_cast<std::int8_t>(type);
  return s;
}

Settings RotateBy(int angle, int type, const char* back = "000000") {
  Settings s = DefaultSettings();
  s.do_image_rotation = 1;
  s.transform_image_rotation = angle;
  s.image_rotation_type = static_cast<std::int8_t>(type);
  s.image_rotation_back_color = back;
  return s;
}

}  // namespace

TEST(ResizeTarget, FollowsUnitsAspectAndLargeImagesRule) {
  struct Case {
    const char* what;
    Size picture;
    Settings settings;
    Size expected;
  };

  const Case cases[] = {
      {"landscape keeps width", {3072, 2048}, ResizeTo(1024, 768, true), {1024, 683}},
      {"portrait keeps height", {2048, 3072}, ResizeTo(1024, 768, true), {512, 768}},
      {"square keeps width", {500, 500}, ResizeTo(300, 100, true), {300, 300}},
      {"no aspect takes both", {3072, 2048}, ResizeTo(1024, 768, false), {1024, 768}},
      {"percent", {3072, 2048}, ResizeTo(50, 50, false, 0, codes::kPercent), {1536, 1024}},
      {"percent half to even down", {5, 3}, ResizeTo(50, 50, false, 0, codes::kPercent), {2, 2}},
      {"percent half to even up", {7, 3}, ResizeTo(50, 50, false, 0, codes::kPercent), {4, 2}},
      {"percent height 0", {3072, 2048}, ResizeTo(50, 0, false, 0, codes::kPercent), {3072, 2048}},
      {"negative target", {3072, 2048}, ResizeTo(-5, 100, false), {3072, 2048}},
      {"same size", {3072, 2048}, ResizeTo(3072, 2048, false), {3072, 2048}},
      {"smaller than target",
       {800, 600},
       ResizeTo(1024, 768, false, codes::kLargeImages),
       {800, 600}},
      {"taller than target",
       {800, 1000},
       ResizeTo(1024, 768, false, codes::kLargeImages),
       {1024, 768}},
      {"all images enlarges", {800, 600}, ResizeTo(1024, 768, false), {1024, 768}},
      // 100 / (3 / 2 as float) = 66.666..., 101 / 1.5 = 67.33..., 3 / 1.5 = 2 exactly.
      {"aspect rounds up", {300, 200}, ResizeTo(100, 1, true), {100, 67}},
      {"aspect rounds down", {300, 200}, ResizeTo(101, 1, true), {101, 67}},
      // 5 / 2 = 2.5 rounds away from zero.
      {"aspect half away from zero", {200, 100}, ResizeTo(5, 1, true), {5, 3}},
      {"never below one pixel", {3000, 10}, ResizeTo(2, 1, true), {2, 1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(c.expected, ResizeTarget(c.picture, c.settings));
  }
  Settings off = ResizeTo(10, 10, false);
  off.do_image_resize = 0;
  EXPECT_EQ((Size{3072, 2048}), ResizeTarget({3072, 2048}, off));
}

TEST(ResizeTarget, TakesTheRatioAsThirtyTwoBitFloat) {
  // 9 / (6 / 5) is 7.5 exactly, but with the ratio and the quotient as
  // 32-bit floats it is 7.4999995, which rounds to 7, not 8.
  EXPECT_EQ((Size{9, 7}), ResizeTarget({6, 5}, ResizeTo(9, 1, true)));
  EXPECT_EQ((Size{7, 9}), ResizeTarget({5, 6}, ResizeTo(1, 9, true)));
}

TEST(ResizeFilter, MapsEveryAlgorithmAndFallsBackToBicubic) {
  EXPECT_EQ(FILTER_BOX, ResizeFilter(0));
  EXPECT_EQ(FILTER_BILINEAR, ResizeFilter(1));
  EXPECT_EQ(FILTER_BSPLINE, ResizeFilter(2));
  EXPECT_EQ(FILTER_BICUBIC, ResizeFilter(3));
  EXPECT_EQ(FILTER_CATMULLROM, ResizeFilter(4));
  EXPECT_EQ(FILTER_LANCZOS3, ResizeFilter(5));
  EXPECT_EQ(FILTER_BICUBIC, ResizeFilter(6));
  EXPECT_EQ(FILTER_BICUBIC, ResizeFilter(-1));
}

TEST(Resize, RescalesOnlyWhenTheTargetDiffers) {
  Picture pic = FilledPicture(30, 20, {10, 20, 30});
  const FIBITMAP* before = pic.get();
  pic = Resize(std::move(pic), {30, 20}, ResizeTo(30, 20, false));
  EXPECT_EQ(before, pic.get());
  pic = Resize(std::move(pic), {30, 20}, ResizeTo(10, 5, true));
  EXPECT_EQ((Size{10, 7}), SizeOf(pic));
  EXPECT_EQ((Rgb{10, 20, 30}), ColourAt(pic, 5, 3));
  EXPECT_FALSE(Resize(Picture(), {30, 20}, ResizeTo(10, 5, true)));
}

TEST(Rotate, SimpleGrowsTheCanvasAdvancedKeepsIt) {
  EXPECT_EQ((Size{20, 30}), SizeOf(Rotate(FilledPicture(30, 20, {}), RotateBy(90, 0))));
  EXPECT_EQ((Size{30, 20}), SizeOf(Rotate(FilledPicture(30, 20, {}), RotateBy(90, 1))));
}

TEST(Rotate, FillsUncoveredCornersWithTheBackColour) {
  const Picture pic = Rotate(FilledPicture(40, 40, {255, 255, 255}), RotateBy(45, 0, "FF0000"));
  const Size size = SizeOf(pic);
  EXPECT_GT(size.width, 40);
  EXPECT_EQ((Rgb{255, 0, 0}), ColourAt(pic, 0, 0));
  EXPECT_EQ((Rgb{255, 0, 0}), ColourAt(pic, size.width - 1, size.height - 1));
  EXPECT_EQ((Rgb{255, 255, 255}), ColourAt(pic, size.width / 2, size.height / 2));
}

TEST(Rotate, LeavesAnglesOutsideOneTo359Alone) {
  for (int angle : {0, 360, -90, 400}) {
    SCOPED_TRACE(angle);
    Picture pic = Adopt(FreeImage_Allocate(30, 20, 8));
    const FIBITMAP* before = pic.get();
    pic = Rotate(std::move(pic), RotateBy(angle, 0));
    EXPECT_EQ(before, pic.get());
    EXPECT_EQ(8u, FreeImage_GetBPP(pic.get()));
  }
}

TEST(Rotate, TurnsLowAndHighDepthsAsTwentyFourBit) {
  Picture grey = Adopt(FreeImage_Allocate(30, 20, 8));
  EXPECT_EQ(24u, FreeImage_GetBPP(Rotate(std::move(grey), RotateBy(30, 0)).get()));
  Picture deep = Adopt(FreeImage_AllocateT(FIT_RGB16, 30, 20));
  EXPECT_EQ(24u, FreeImage_GetBPP(Rotate(std::move(deep), RotateBy(30, 1)).get()));
  Picture rgba = FilledPicture(30, 20, {}, 32);
  EXPECT_EQ(32u, FreeImage_GetBPP(Rotate(std::move(rgba), RotateBy(30, 0)).get()));
}

TEST(Flip, BothWaysTurnsThePictureHalfRound) {
  const Picture before = NumberedPicture(3, 2);
  Settings s = DefaultSettings();
  s.do_image_flip_horizontal = s.do_image_flip_vertical = 1;
  const Picture after = Flip(Clone(before), s);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x)
      EXPECT_EQ(ColourAt(before, 2 - x, 1 - y), ColourAt(after, x, y));
  s.do_image_flip_vertical = 0;
  const Picture mirrored = Flip(Clone(before), s);
  EXPECT_EQ(ColourAt(before, 2, 0), ColourAt(mirrored, 0, 0));
}
