#include "engine/placement.h"

#include <array>

namespace {

enum class Along { kNear, kCentre, kFar };

struct PositionRule {
  Along x;
  Along y;
};

// Indexed by the `Text Position` / `Image Position` code, TOPLEFT to BOTTOMRIGHT.
constexpr std::array<PositionRule, 9> kPositions = {{
    {Along::kNear, Along::kNear},
    {Along::kCentre, Along::kNear},
    {Along::kFar, Along::kNear},
    {Along::kNear, Along::kCentre},
    {Along::kCentre, Along::kCentre},
    {Along::kFar, Along::kCentre},
    {Along::kNear, Along::kFar},
    {Along::kCentre, Along::kFar},
    {Along::kFar, Along::kFar},
}};

int Coordinate(Along along, int room, int layer, int offset) {
  switch (along) {
    case Along::kNear:
      return offset;
    case Along::kCentre:
      return (room - layer) / 2;
    case Along::kFar:
      return room - layer - offset;
  }
  return 0;
}

}  // namespace

PlacementSettings PlacementOf(const Settings& s) {
  if (s.do_watermark == codes::kTextWatermark)
    return {s.text_boundary, s.text_position, s.text_x_offset, s.text_y_offset, s.text_rotation};
  return {s.image_boundary, s.image_position, s.image_x_offset, s.image_y_offset,
          s.watermark_image_rotation};
}

PixelRect WatermarkRoom(Size picture, const Settings& s, const PlacementSettings& p) {
  constexpr int kFrameBoundary = 1;
  if (s.do_frame == codes::kNoFrame || p.boundary != kFrameBoundary)
    return {0, 0, picture.width, picture.height};
  return {s.solid_left, s.solid_top, picture.width - s.solid_left - s.solid_right,
          picture.height - s.solid_top - s.solid_bottom};
}

Size CropSize(Size layer, const PixelRect& room, const PlacementSettings& p) {
  Size kept = layer;
  if (layer.width + p.x_offset > room.width)
    kept.width = room.width - p.x_offset;
  if (layer.height + p.y_offset > room.height)
    kept.height = room.height - p.y_offset;
  return kept;
}

PixelRect PlaceLayer(Size layer, const PixelRect& room, const PlacementSettings& p) {
  int x = 0, y = 0;
  if (p.position >= 0 && p.position < static_cast<int>(kPositions.size())) {
    const PositionRule rule = kPositions[p.position];
    x = Coordinate(rule.x, room.width, layer.width, p.x_offset);
    y = Coordinate(rule.y, room.height, layer.height, p.y_offset);
  }
  return {room.x + x, room.y + y, layer.width, layer.height};
}
