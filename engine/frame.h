#pragma once

#include <vector>

#include "engine/colour_text.h"
#include "engine/layer.h"
#include "engine/picture.h"
#include "settings/settings.h"

/// One filled outline of the solid frame, its corners in picture coordinates
/// (top-down, the picture's top-left corner at 0, 0).
struct FrameShape {
  Rgb colour;

  struct Corner {
    double x = 0;
    double y = 0;
  };

  std::vector<Corner> corners;
};

/// The frame's outlines in drawing order: the four corner boxes (each in the
/// colour of the side that follows it clockwise), then the top, right,
/// bottom and left trapezoids, whose diagonal ends give the mitred corners.
/// The boxes fill the seam antialiasing would leave along each diagonal.
std::vector<FrameShape> FrameShapes(Size size, const Settings& s);

/// Disjoint rectangles of the picture that together hold every pixel the
/// frame can touch: the top and bottom bands across the whole width, the
/// left and right bands between them. Empty ones are left out.
std::vector<PixelRect> FrameBands(Size size, const Settings& s);

/// Draws the solid frame inside a picture of size `size`, at `Solid Opacity`.
/// With `Do Frame` on the result is 24-bit even when nothing is drawn.
Picture DrawFrame(Picture pic, Size size, const Settings& s);
