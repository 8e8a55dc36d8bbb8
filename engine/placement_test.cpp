#include "engine/placement.h"

#include <gtest/gtest.h>

#include "settings/settings_table.h"

namespace {

Settings ImageWatermark(int position, int x_offset, int y_offset) {
  Settings s = DefaultSettings();
  s.do_watermark = codes::kImageWatermark;
  s.image_position = static_cast<std::int8_t>(position);
  s.image_x_offset = x_offset;
  s.image_y_offset = y_offset;
  return s;
}

Settings InFrame(Settings s, int side) {
  s.do_frame = codes::kSolidFrame;
  s.solid_left = s.solid_right = s.solid_top = s.solid_bottom = side;
  s.image_boundary = 1;
  return s;
}

struct Corner {
  int x, y;
};

Corner Placed(Size picture, Size layer, const Settings& s) {
  const PlacementSettings p = PlacementOf(s);
  const PixelRect at = PlaceLayer(layer, WatermarkRoom(picture, s, p), p);
  return {at.x, at.y};
}

}  // namespace

TEST(PlaceLayer, NinePositionsWithOffsets) {
  // A 50 x 20 layer in a 200 x 100 picture, offsets 10 and 5.
  const Corner expected[] = {{10, 5},   {75, 5},  {140, 5}, {10, 40},  {75, 40},
                             {140, 40}, {10, 75}, {75, 75}, {140, 75}, {0, 0}};
  for (int position = 0; position < 10; ++position) {
    SCOPED_TRACE(position);
    const Corner at = Placed({200, 100}, {50, 20}, ImageWatermark(position, 10, 5));
    EXPECT_EQ(expected[position].x, at.x);
    EXPECT_EQ(expected[position].y, at.y);
  }
}

TEST(PlaceLayer, InsideTheFrameMovesByItsOrigin) {
  // The room is (20, 20) 160 x 60.
  const Corner expected[] = {{30, 25},  {75, 25}, {120, 25}, {30, 40},  {75, 40},
                             {120, 40}, {30, 55}, {75, 55},  {120, 55}, {20, 20}};
  for (int position = 0; position < 10; ++position) {
    SCOPED_TRACE(position);
    const Corner at = Placed({200, 100}, {50, 20}, InFrame(ImageWatermark(position, 10, 5), 20));
    EXPECT_EQ(expected[position].x, at.x);
    EXPECT_EQ(expected[position].y, at.y);
  }
}

TEST(PlaceLayer, CentresTruncateTowardZero) {
  // (100 - 115) / 2 is -7.5: -7, not -8.
  EXPECT_EQ(-7, Placed({100, 100}, {115, 20}, ImageWatermark(4, 0, 0)).x);
  EXPECT_EQ(7, Placed({100, 100}, {85, 20}, ImageWatermark(4, 0, 0)).x);
}

TEST(WatermarkRoom, ShrinksToTheFrameOnlyWithAFrameAndTheFrameBoundary) {
  Settings s = InFrame(ImageWatermark(0, 0, 0), 20);
  s.solid_left = 5;
  s.solid_bottom = 7;
  EXPECT_EQ((PixelRect{5, 20, 175, 73}), WatermarkRoom({200, 100}, s, PlacementOf(s)));
  Settings no_frame = s;
  no_frame.do_frame = codes::kNoFrame;
  EXPECT_EQ((PixelRect{0, 0, 200, 100}), WatermarkRoom({200, 100}, no_frame, PlacementOf(s)));
  Settings image_boundary = s;
  image_boundary.image_boundary = 0;
  EXPECT_EQ((PixelRect{0, 0, 200, 100}),
            WatermarkRoom({200, 100}, image_boundary, PlacementOf(image_boundary)));
  // A text watermark reads the text boundary, not the image one.
  Settings text = s;
  text.do_watermark = codes::kTextWatermark;
  text.text_boundary = 0;
  EXPECT_EQ((PixelRect{0, 0, 200, 100}), WatermarkRoom({200, 100}, text, PlacementOf(text)));
}

TEST(CropSize, KeepsWhatFitsAfterTheOffsets) {
  const PixelRect room = {0, 0, 200, 100};

  struct Case {
    const char* what;
    Size layer;
    int x_offset, y_offset;
    Size expected;
  };

  const Case cases[] = {
      {"fits", {50, 20}, 10, 10, {50, 20}},
      {"fits exactly", {190, 90}, 10, 10, {190, 90}},
      {"too wide", {300, 20}, 10, 10, {190, 20}},
      {"too tall", {50, 120}, 0, 30, {50, 70}},
      {"larger both ways, no offsets", {250, 150}, 0, 0, {200, 100}},
      {"offset fills the room", {50, 20}, 200, 0, {0, 20}},
      {"offset beyond the room", {50, 20}, 0, 150, {50, -50}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const Settings s = ImageWatermark(0, c.x_offset, c.y_offset);
    EXPECT_EQ(c.expected, CropSize(c.layer, room, PlacementOf(s)));
  }
}
