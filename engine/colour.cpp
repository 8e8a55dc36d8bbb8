#include "engine/colour.h"

#include <array>

#include "engine/depth24.h"

namespace {

// Indexed by the `Image Dither Algorithm` code; the names run in a different
// order from FreeImage's numbers.
constexpr std::array<FREE_IMAGE_DITHER, 7> kDitherAlgorithms = {
    FID_FS,         FID_BAYER4x4,   FID_BAYER8x8,     FID_BAYER16x16,
    FID_CLUSTER6x6, FID_CLUSTER8x8, FID_CLUSTER16x16,
};

// Brings the picture to 24 bits when its depth lies outside [lowest, 32].
Picture WithinDepth(Picture pic, unsigned lowest) {
  const unsigned bpp = FreeImage_GetBPP(pic.get());
  if (bpp < lowest || bpp > 32)
    return To24Bits(std::move(pic));
  return pic;
}

}  // namespace

FREE_IMAGE_DITHER DitherAlgorithm(int code) {
  if (code < 0 || code >= static_cast<int>(kDitherAlgorithms.size()))
    return FID_FS;
  return kDitherAlgorithms[code];
}

Picture AdjustColours(Picture pic, const Settings& s) {
  if (!pic || !s.do_image_color_correction)
    return pic;
  pic = WithinDepth(std::move(pic), 8);
  if (pic)
    FreeImage_AdjustColors(pic.get(), s.image_brightness, s.image_contrast,
                           static_cast<double>(s.image_gamma), s.image_invert ? TRUE : FALSE);
  return pic;
}

Picture Greyscale(Picture pic, const Settings& s) {
  if (!pic || !s.do_image_greyscale)
    return pic;
  pic = WithinDepth(std::move(pic), 0);
  return pic ? Adopt(FreeImage_ConvertToGreyscale(pic.get())) : Picture();
}

Picture Threshold(Picture pic, const Settings& s) {
  if (!pic || !s.do_image_threshold)
    return pic;
  pic = WithinDepth(std::move(pic), 4);
  return pic ? Adopt(FreeImage_Threshold(pic.get(), static_cast<BYTE>(s.image_threshold)))
             : Picture();
}

Picture Dither(Picture pic, const Settings& s) {
  if (!pic || !s.do_image_dither)
    return pic;
  pic = WithinDepth(std::move(pic), 4);
  return pic ? Adopt(FreeImage_Dither(pic.get(), DitherAlgorithm(s.image_dither_algorithm)))
             : Picture();
}
