#include "engine/frame.h"

#include <cstdlib>
#include <cstring>

#include <gtest/gtest.h>

#include "settings/settings_table.h"
#include "tests/helpers/edit_pictures.h"

namespace {

constexpr Rgb kWhite = {255, 255, 255};
constexpr Rgb kRed = {255, 0, 0};
constexpr Rgb kBlue = {0, 0, 255};
constexpr Rgb kBlack = {0, 0, 0};

Settings Frame(int left, int right, int top, int bottom, int opacity = 255) {
  Settings s = DefaultSettings();
  s.do_frame = codes::kSolidFrame;
  s.solid_left = left;
  s.solid_right = right;
  s.solid_top = top;
  s.solid_bottom = bottom;
  s.solid_left_color = s.solid_right_color = s.solid_top_color = s.solid_bottom_color = "000000";
  s.solid_opacity = opacity;
  return s;
}

Picture Framed(Size size, const Settings& s, Rgb picture = kWhite) {
  return DrawFrame(FilledPicture(size.width, size.height, picture), size, s);
}

}  // namespace

TEST(FrameBands, CoverTheBorderOnceAndClampToThePicture) {
  EXPECT_EQ((std::vector<PixelRect>{
                {0, 0, 100, 10}, {0, 70, 100, 10}, {0, 10, 20, 60}, {70, 10, 30, 60}}),
            FrameBands({100, 80}, Frame(20, 30, 10, 10)));
  EXPECT_EQ((std::vector<PixelRect>{{0, 30, 100, 50}}), FrameBands({100, 80}, Frame(0, 0, 0, 50)));
  EXPECT_TRUE(FrameBands({100, 80}, Frame(0, 0, 0, 0)).empty());
  // Sides wider than the picture: the top band takes it all.
  EXPECT_EQ((std::vector<PixelRect>{{0, 0, 100, 80}}),
            FrameBands({100, 80}, Frame(70, 70, 200, 200)));
}

TEST(FrameShapes, MitreTheCornersFromThePictureCornersToTheInnerOnes) {
  const std::vector<FrameShape> shapes = FrameShapes({100, 80}, Frame(20, 30, 10, 5));
  ASSERT_EQ(8u, shapes.size());
  const auto corners = [&](int i) {
    std::vector<std::pair<double, double>> out;
    for (const FrameShape::Corner& c : shapes[i].corners)
      out.emplace_back(c.x, c.y);
    return out;
  };
  using Corners = std::vector<std::pair<double, double>>;
  EXPECT_EQ((Corners{{0, 0}, {100, 0}, {70, 10}, {20, 10}}), corners(4));     // top
  EXPECT_EQ((Corners{{100, 0}, {100, 80}, {70, 75}, {70, 10}}), corners(5));  // right
  EXPECT_EQ((Corners{{100, 80}, {0, 80}, {20, 75}, {70, 75}}), corners(6));   // bottom
  EXPECT_EQ((Corners{{0, 80}, {0, 0}, {20, 10}, {20, 75}}), corners(7));      // left
}

TEST(DrawFrame, PaintsABorderInsideThePicture) {
  const Picture pic = Framed({60, 50}, Frame(20, 20, 20, 20));
  EXPECT_EQ((Size{60, 50}), SizeOf(pic));
  for (const auto& [x, y] : {std::pair{0, 0}, {19, 25}, {40, 25}, {30, 19}, {30, 49}, {59, 0}})
    EXPECT_EQ(kBlack, ColourAt(pic, x, y)) << x << "," << y;
  EXPECT_EQ(kWhite, ColourAt(pic, 20, 20));
  EXPECT_EQ(kWhite, ColourAt(pic, 39, 29));
}

TEST(DrawFrame, SplitsACornerAlongTheDiagonal) {
  Settings s = Frame(30, 0, 30, 0);
  s.solid_top_color = "FF0000";
  s.solid_left_color = "0000FF";
  const Picture pic = Framed({80, 80}, s);
  for (int i = 0; i < 30; ++i) {
    for (int j = 0; j < 30; ++j) {
      if (std::abs(i - j) <= 1)
        continue;  // antialiased along the diagonal
      EXPECT_EQ(i > j ? kRed : kBlue, ColourAt(pic, i, j)) << i << "," << j;
    }
  }
  // On the diagonal the two colours share each pixel: no white seam.
  const Rgb seam = ColourAt(pic, 10, 10);
  EXPECT_EQ(0, seam.green);
  EXPECT_GE(seam.red + seam.blue, 250);
}

TEST(DrawFrame, CutsABottomBandDiagonallyAtItsEnds) {
  const Picture band = Framed({100, 80}, Frame(0, 0, 0, 50));
  EXPECT_EQ(kBlack, ColourAt(band, 0, 30));
  EXPECT_EQ(kBlack, ColourAt(band, 99, 30));
  EXPECT_EQ(kWhite, ColourAt(band, 50, 29));
  // With left and right sides as well, the bottom corners are mitred along
  // the line from (0, 80) to (50, 30): at row 75 the left side's colour runs
  // to x = 5, the bottom's beyond; at row 40, to x = 40.
  Settings s = Frame(50, 50, 0, 50);
  s.solid_bottom_color = "FF0000";
  const Picture mitred = Framed({100, 80}, s);
  EXPECT_EQ(kBlack, ColourAt(mitred, 2, 75));
  EXPECT_EQ(kRed, ColourAt(mitred, 8, 75));
  EXPECT_EQ(kBlack, ColourAt(mitred, 37, 40));
  EXPECT_EQ(kRed, ColourAt(mitred, 43, 40));
  EXPECT_EQ(kRed, ColourAt(mitred, 92, 75));
  EXPECT_EQ(kBlack, ColourAt(mitred, 98, 75));
}

TEST(DrawFrame, BlendsAtTheSharedOpacity) {
  // FreeImage composites alpha 128 as (128 × frame + 127 × picture) >> 8.
  EXPECT_EQ((Rgb{126, 126, 126}), ColourAt(Framed({40, 40}, Frame(10, 10, 10, 10, 128)), 2, 2));
  Settings red = Frame(10, 10, 10, 10, 128);
  red.solid_top_color = "FF0000";
  EXPECT_EQ((Rgb{254, 126, 126}), ColourAt(Framed({40, 40}, red), 20, 2));
  EXPECT_EQ(kWhite, ColourAt(Framed({40, 40}, Frame(10, 10, 10, 10, 0)), 2, 2));
}

TEST(DrawFrame, MakesThePictureTwentyFourBitEvenWhenNothingIsDrawn) {
  Picture grey = Adopt(FreeImage_Allocate(20, 20, 8));
  EXPECT_EQ(24u, FreeImage_GetBPP(DrawFrame(std::move(grey), {20, 20}, Frame(0, 0, 0, 0)).get()));
  Settings none = Frame(5, 5, 5, 5);
  none.do_frame = codes::kNoFrame;
  Picture untouched = Adopt(FreeImage_Allocate(20, 20, 8));
  EXPECT_EQ(8u, FreeImage_GetBPP(DrawFrame(std::move(untouched), {20, 20}, none).get()));
}

TEST(DrawFrame, DrawsInStripsWhatOneWholeLayerWouldShow) {
  // Wide enough for the bands to be cut into many strips; odd sides and a
  // fade so that antialiased diagonals cross strip edges.
  Settings s = Frame(45, 37, 33, 51, 200);
  s.solid_top_color = "FF0000";
  s.solid_right_color = "00FF00";
  s.solid_bottom_color = "0000FF";
  const Size size = {2000, 140};  // 32 rows a strip: the top and bottom bands take two each
  const Picture background = NumberedPicture(size.width, size.height);
  const Picture strips = DrawFrame(Clone(background), size, s);

  const CairoSurface whole = NewSurface(size.width, size.height);
  const CairoContext cr = NewContext(whole);
  for (const FrameShape& shape : FrameShapes(size, s)) {
    for (const FrameShape::Corner& corner : shape.corners)
      cairo_line_to(cr.get(), corner.x, corner.y);
    cairo_close_path(cr.get());
    cairo_set_source_rgb(cr.get(), shape.colour.red / 255.0, shape.colour.green / 255.0,
                         shape.colour.blue / 255.0);
    cairo_fill(cr.get());
  }
  const Picture expected = Clone(background);
  BlendTile(expected.get(), whole.get(), 0, 0, 200);
  for (unsigned row = 0; row < static_cast<unsigned>(size.height); ++row)
    ASSERT_EQ(0, std::memcmp(FreeImage_GetScanLine(expected.get(), row),
                             FreeImage_GetScanLine(strips.get(), row), 3 * size.width))
        << "row " << row << " from the bottom";
}
