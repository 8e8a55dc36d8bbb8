#pragma once

#include "engine/layer.h"
#include "engine/picture.h"
#include "settings/settings.h"

// Where a watermark layer goes: the room it may use, how much of it is kept,
// and its top-left corner. Pure arithmetic, so every case is checked without
// drawing.

/// The watermark settings that differ between text and image watermarks.
struct PlacementSettings {
  int boundary = 0;
  int position = 0;
  int x_offset = 0;
  int y_offset = 0;
  int rotation = 0;
};

/// The text settings for TEXT, the image settings otherwise.
PlacementSettings PlacementOf(const Settings& s);

/// The whole picture, or the inside of the frame when a frame is drawn and
/// the boundary is FRAME.
PixelRect WatermarkRoom(Size picture, const Settings& s, const PlacementSettings& p);

/// How much of a `layer`-sized watermark is kept, from its top-left corner:
/// the part that fits the room after the offsets (which count whatever the
/// position). A side of 0 or less means nothing is left.
Size CropSize(Size layer, const PixelRect& room, const PlacementSettings& p);

/// The layer's top-left corner in the picture for one of the nine positions
/// (integer halves truncate toward zero); the room's origin for an unknown
/// position.
PixelRect PlaceLayer(Size layer, const PixelRect& room, const PlacementSettings& p);
