#include "engine/geometry.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "engine/colour_text.h"
#include "engine/depth24.h"

namespace {

// Indexed by the `Image Resize Algorithm` code.
constexpr std::array<FREE_IMAGE_FILTER, 6> kFilters = {
    FILTER_BOX, FILTER_BILINEAR, FILTER_BSPLINE, FILTER_BICUBIC, FILTER_CATMULLROM, FILTER_LANCZOS3,
};

int TargetSide(int setting, int unit, int current) {
  switch (unit) {
    case codes::kPixels:
      return setting;
    case codes::kPercent:
      // Halves go to the even neighbour (the default rounding mode).
      return static_cast<int>(std::nearbyint(setting / 100.0 * current));
    default:
      return 0;
  }
}

// The ratio and the quotient are both 32-bit floats; halves round away from zero.
int FollowingSide(int kept, int longer, int shorter) {
  const float ratio = static_cast<float>(longer) / static_cast<float>(shorter);
  const float side = static_cast<float>(kept) / ratio;
  return static_cast<int>(std::lround(side));
}

}  // namespace

FREE_IMAGE_FILTER ResizeFilter(int algorithm) {
  if (algorithm < 0 || algorithm >= static_cast<int>(kFilters.size()))
    return FILTER_BICUBIC;
  return kFilters[algorithm];
}

Size ResizeTarget(Size current, const Settings& s) {
  if (!s.do_image_resize || current.width <= 0 || current.height <= 0)
    return current;
  Size target = {TargetSide(s.image_width, s.image_width_unit, current.width),
                 TargetSide(s.image_height, s.image_height_unit, current.height)};
  if (target.width <= 0 || target.height <= 0 || target == current)
    return current;
  if (s.image_resize_type == codes::kLargeImages && current.width < target.width
      && current.height < target.height)
    return current;
  if (s.keep_aspect_ratio) {
    if (current.width >= current.height)
      target.height = FollowingSide(target.width, current.width, current.height);
    else
      target.width = FollowingSide(target.height, current.height, current.width);
  }
  // A very flat picture scaled down far would otherwise ask for a side of 0
  // pixels, which FreeImage refuses, and the file would fail.
  target.width = std::max(target.width, 1);
  target.height = std::max(target.height, 1);
  return target;
}

Picture Rotate(Picture pic, const Settings& s) {
  const int angle = s.transform_image_rotation;
  if (!pic || !s.do_image_rotation || angle < 1 || angle > 359)
    return pic;
  const unsigned bpp = FreeImage_GetBPP(pic.get());
  if (bpp <= 16 || bpp > 32)
    pic = To24Bits(std::move(pic));
  if (!pic)
    return pic;
  switch (s.image_rotation_type) {
    case codes::kSimpleRotation: {
      const Rgb colour = ColourFromText(s.image_rotation_back_color);
      const RGBQUAD back = {colour.blue, colour.green, colour.red, 0};
      return Adopt(FreeImage_Rotate(pic.get(), angle, &back));
    }
    case codes::kAdvancedRotation: {
      const Size size = SizeOf(pic);
      return Adopt(FreeImage_RotateEx(pic.get(), angle, 0.0, 0.0, size.width / 2.0,
                                      size.height / 2.0, FALSE));
    }
    default:
      return pic;
  }
}

Picture Resize(Picture pic, Size known, const Settings& s) {
  if (!pic)
    return pic;
  const Size target = ResizeTarget(known, s);
  if (target == known)
    return pic;
  return Adopt(FreeImage_Rescale(pic.get(), target.width, target.height,
                                 ResizeFilter(s.image_resize_algorithm)));
}

Picture Flip(Picture pic, const Settings& s) {
  if (!pic)
    return pic;
  if (s.do_image_flip_horizontal)
    FreeImage_FlipHorizontal(pic.get());
  if (s.do_image_flip_vertical)
    FreeImage_FlipVertical(pic.get());
  return pic;
}
