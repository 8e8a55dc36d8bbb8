#include "engine/image_layer.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<FREE_IMAGE_FORMAT, 3> kWatermarkFormats = {FIF_BMP, FIF_PNG, FIF_JPEG};

Picture To32Bits(const Picture& pic) {
  Picture converted = Adopt(FreeImage_ConvertTo32Bits(pic.get()));
  if (!converted && FreeImage_GetImageType(pic.get()) != FIT_BITMAP) {
    const Picture standard = Adopt(FreeImage_ConvertToStandardType(pic.get(), TRUE));
    if (standard)
      converted = Adopt(FreeImage_ConvertTo32Bits(standard.get()));
  }
  return converted;
}

// Many programs write 32-bit BMP files whose fourth byte is always 0; such a
// file holds an opaque picture, not an invisible one.
void OpaqueWhenAlphaUnused(FIBITMAP* dib) {
  if (FreeImage_GetBPP(dib) != 32 || FreeImage_GetImageType(dib) != FIT_BITMAP)
    return;
  const unsigned width = FreeImage_GetWidth(dib), height = FreeImage_GetHeight(dib);
  for (unsigned y = 0; y < height; ++y) {
    const BYTE* pixel = FreeImage_GetScanLine(dib, y);
    for (unsigned x = 0; x < width; ++x, pixel += 4)
      if (pixel[FI_RGBA_ALPHA] != 0)
        return;
  }
  for (unsigned y = 0; y < height; ++y) {
    BYTE* pixel = FreeImage_GetScanLine(dib, y);
    for (unsigned x = 0; x < width; ++x, pixel += 4)
      pixel[FI_RGBA_ALPHA] = 255;
  }
}

}  // namespace

Picture LoadWatermarkPicture(const std::string& path) {
  const FREE_IMAGE_FORMAT format = FreeImage_GetFileType(path.c_str(), 0);
  if (std::find(kWatermarkFormats.begin(), kWatermarkFormats.end(), format)
      == kWatermarkFormats.end())
    return {};
  Picture pic = Adopt(FreeImage_Load(format, path.c_str(), 0));
  if (pic && format == FIF_BMP)
    OpaqueWhenAlphaUnused(pic.get());
  return pic;
}

Picture ImageLayer(const Picture& loaded, const Settings& s) {
  if (!loaded)
    return {};
  Picture layer = To32Bits(loaded);
  if (!layer)
    return layer;
  const unsigned opacity = static_cast<unsigned>(std::clamp(s.image_opacity, 0, 255));
  const unsigned width = FreeImage_GetWidth(layer.get());
  const unsigned height = FreeImage_GetHeight(layer.get());
  for (unsigned y = 0; y < height; ++y) {
    BYTE* pixel = FreeImage_GetScanLine(layer.get(), y);
    for (unsigned x = 0; x < width; ++x, pixel += 4) {
      pixel[FI_RGBA_ALPHA] = static_cast<BYTE>((pixel[FI_RGBA_ALPHA] * opacity + 127) / 255);
      if (s.image_greyscale) {
        const BYTE grey = static_cast<BYTE>(
            (77 * pixel[FI_RGBA_RED] + 150 * pixel[FI_RGBA_GREEN] + 29 * pixel[FI_RGBA_BLUE])
            / 256);
        pixel[FI_RGBA_RED] = pixel[FI_RGBA_GREEN] = pixel[FI_RGBA_BLUE] = grey;
      }
    }
  }
  return layer;
}
