#include "engine/watermark.h"

#include <gtest/gtest.h>

#include "engine/image_layer.h"
#include "engine/layer.h"
#include "engine/watermark_font.h"
#include "platform/files.h"
#include "settings/settings_table.h"
#include "tests/helpers/edit_pictures.h"

namespace {

constexpr Rgb kWhite = {255, 255, 255};
constexpr Rgb kRed = {255, 0, 0};
// An opaque red layer over white: the paste onto the canvas at alpha 255
// makes it (254, 0, 0, 254), and the composite (254 × 254 + 1 × 255) >> 8.
constexpr Rgb kRedOverWhite = {253, 0, 0};

class ImageWatermark : public ::testing::Test {
 protected:
  // Writes a `width` x `height` picture of one colour and points the settings at it.
  Settings WithPicture(int width, int height, Rgb colour, FREE_IMAGE_FORMAT format = FIF_PNG,
                       int position = 0, int x_offset = 0, int y_offset = 0) {
    const std::string path = folder_.path() + "mark" + std::to_string(files_++);
    const Picture pic = FilledPicture(width, height, colour);
    EXPECT_TRUE(FreeImage_Save(format, pic.get(), path.c_str(), 0));
    Settings s = DefaultSettings();
    s.do_watermark = codes::kImageWatermark;
    s.image = path;
    s.image_position = static_cast<std::int8_t>(position);
    s.image_x_offset = x_offset;
    s.image_y_offset = y_offset;
    return s;
  }

  static Picture Draw(Picture pic, const Settings& s) {
    const Size size = SizeOf(pic);
    return DrawWatermark(std::move(pic), size, s, PlaceholderValues{}, nullptr);
  }

  ScopedTempDir folder_;
  int files_ = 0;
};

// The bounding box of the pixels that differ from `background`.
PixelRect Changed(const Picture& pic, Rgb background) {
  int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1;
  for (int y = 0; y < SizeOf(pic).height; ++y)
    for (int x = 0; x < SizeOf(pic).width; ++x)
      if (ColourAt(pic, x, y) != background) {
        left = std::min(left, x), top = std::min(top, y);
        right = std::max(right, x), bottom = std::max(bottom, y);
      }
  return right < 0 ? PixelRect{} : PixelRect{left, top, right - left + 1, bottom - top + 1};
}

}  // namespace

TEST_F(ImageWatermark, LoadsPngBmpAndJpegButNothingElse) {
  for (FREE_IMAGE_FORMAT format : {FIF_PNG, FIF_BMP, FIF_JPEG}) {
    SCOPED_TRACE(format);
    const Settings s = WithPicture(8, 4, kRed, format);
    const Picture loaded = LoadWatermarkPicture(s.image);
    ASSERT_TRUE(loaded);
    EXPECT_EQ((Size{8, 4}), SizeOf(loaded));
  }
  EXPECT_FALSE(LoadWatermarkPicture(WithPicture(8, 4, kRed, FIF_TIFF).image));
  EXPECT_FALSE(LoadWatermarkPicture(folder_.path() + "missing.png"));
}

TEST_F(ImageWatermark, LayerScalesAlphaAndTurnsGrey) {
  Settings s = WithPicture(2, 2, kRed);
  s.image_greyscale = 1;
  s.image_opacity = 128;
  const Picture layer = ImageLayer(LoadWatermarkPicture(s.image), s);
  ASSERT_EQ(32u, FreeImage_GetBPP(layer.get()));
  EXPECT_EQ((Rgb{76, 76, 76}), ColourAt(layer, 1, 1));  // 77 x 255 / 256
  EXPECT_EQ(128, AlphaAt(layer, 1, 1));
  // A picture's own alpha is scaled too.
  Picture translucent = FilledPicture(2, 2, kRed, 32);
  RGBQUAD half_red = {0, 0, 255, 100};
  FreeImage_SetPixelColor(translucent.get(), 0, 0, &half_red);
  const Picture scaled = ImageLayer(translucent, s);
  EXPECT_EQ(50, AlphaAt(scaled, 0, 1));
}

TEST_F(ImageWatermark, IsCroppedToThePicture) {
  const Picture pic = Draw(FilledPicture(40, 30, kWhite), WithPicture(60, 50, kRed));
  EXPECT_EQ((Size{40, 30}), SizeOf(pic));
  EXPECT_EQ(kRedOverWhite, ColourAt(pic, 0, 0));
  EXPECT_EQ(kRedOverWhite, ColourAt(pic, 39, 29));
}

TEST_F(ImageWatermark, SitsAtItsPositionInsideTheFrame) {
  Settings s = WithPicture(10, 6, kRed, FIF_PNG, 8, 10, 10);  // BOTTOMRIGHT
  EXPECT_EQ((PixelRect{80, 64, 10, 6}), Changed(Draw(FilledPicture(100, 80, kWhite), s), kWhite));
  s.image_position = 0;
  s.image_boundary = 1;
  s.do_frame = codes::kSolidFrame;
  s.solid_left = s.solid_top = 20;
  s.solid_right = s.solid_bottom = 0;
  // The frame itself is not drawn here: only the room it leaves counts.
  EXPECT_EQ((PixelRect{30, 30, 10, 6}), Changed(Draw(FilledPicture(100, 80, kWhite), s), kWhite));
}

TEST_F(ImageWatermark, TurnsTheLayerBeforePlacingIt) {
  Settings s = WithPicture(30, 10, kRed);
  s.watermark_image_rotation = 90;
  EXPECT_EQ((PixelRect{0, 0, 10, 30}), Changed(Draw(FilledPicture(100, 80, kWhite), s), kWhite));
}

TEST_F(ImageWatermark, LeavesThePictureWhenTheLayerHasNoPlace) {
  struct Case {
    const char* what;
    int position, x_offset, y_offset;
  };

  const Case cases[] = {
      {"negative offset: the paste is refused", 0, -5, 0},
      // The negative offset keeps the crop from trimming the layer to the room.
      {"centred and wider than the picture", 4, -20, 0},
      {"offset as large as the picture: nothing left after cropping", 0, 40, 0},
      {"offset beyond the picture", 0, 0, 100},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const Settings s = WithPicture(50, 10, kRed, FIF_PNG, c.position, c.x_offset, c.y_offset);
    Picture grey = Adopt(FreeImage_ConvertTo8Bits(FilledPicture(40, 30, kWhite).get()));
    const Picture pic = Draw(std::move(grey), s);
    ASSERT_TRUE(pic);
    EXPECT_EQ(24u, FreeImage_GetBPP(pic.get()));
    EXPECT_EQ(PixelRect{}, Changed(pic, kWhite));
  }
}

TEST_F(ImageWatermark, MissingFileLeavesThePicture) {
  Settings s = WithPicture(5, 5, kRed);
  s.image = folder_.path() + "gone.png";
  const Picture pic = Draw(FilledPicture(20, 20, kWhite), s);
  EXPECT_EQ(PixelRect{}, Changed(pic, kWhite));
}

TEST(TextWatermark, DefaultsPutTheBoxTenPixelsFromTheBottomRight) {
  Settings s = DefaultSettings();
  s.do_watermark = codes::kTextWatermark;
  s.text = "Marlenta";
  s.back_opacity = 255;
  s.back_color = "0000FF";
  const auto font = LoadWatermarkFont(s);
  ASSERT_TRUE(font);
  const Picture pic = DrawWatermark(FilledPicture(300, 200, kWhite), {300, 200}, s,
                                    PlaceholderValues{}, font.get());
  const PixelRect box = Changed(pic, kWhite);
  EXPECT_EQ(300 - 10, box.x + box.width);
  EXPECT_EQ(200 - 10, box.y + box.height);
  EXPECT_GT(box.width, 50);

  // Turned by 90 degrees the box stands upright: width and height swap.
  s.text_rotation = 90;
  const PixelRect turned = Changed(DrawWatermark(FilledPicture(300, 200, kWhite), {300, 200}, s,
                                                 PlaceholderValues{}, font.get()),
                                   kWhite);
  EXPECT_EQ(box.width, turned.height);
  EXPECT_EQ(box.height, turned.width);
  EXPECT_EQ(300 - 10, turned.x + turned.width);
}

TEST(TextWatermark, WithoutAFontOnlyMakesThePictureTwentyFourBit) {
  Settings s = DefaultSettings();
  s.do_watermark = codes::kTextWatermark;
  Picture grey = Adopt(FreeImage_Allocate(20, 20, 8));
  const Picture pic = DrawWatermark(std::move(grey), {20, 20}, s, PlaceholderValues{}, nullptr);
  ASSERT_TRUE(pic);
  EXPECT_EQ(24u, FreeImage_GetBPP(pic.get()));
  s.do_watermark = codes::kNoWatermark;
  Picture untouched = Adopt(FreeImage_Allocate(20, 20, 8));
  EXPECT_EQ(
      8u,
      FreeImage_GetBPP(
          DrawWatermark(std::move(untouched), {20, 20}, s, PlaceholderValues{}, nullptr).get()));
}
