#include "tests/helpers/edit_pictures.h"

namespace {

unsigned Row(const Picture& pic, int y) {
  return FreeImage_GetHeight(pic.get()) - 1 - y;
}

}  // namespace

Picture FilledPicture(int width, int height, Rgb colour, unsigned bpp) {
  Picture pic = Adopt(FreeImage_Allocate(width, height, static_cast<int>(bpp), FI_RGBA_RED_MASK,
                                         FI_RGBA_GREEN_MASK, FI_RGBA_BLUE_MASK));
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      SetPixel(pic, x, y, colour);
  return pic;
}

void SetPixel(const Picture& pic, int x, int y, Rgb colour) {
  RGBQUAD quad = {colour.blue, colour.green, colour.red, 255};
  FreeImage_SetPixelColor(pic.get(), x, Row(pic, y), &quad);
}

Rgb ColourAt(const Picture& pic, int x, int y) {
  RGBQUAD quad = {};
  if (FreeImage_GetBPP(pic.get()) <= 8) {
    BYTE index = 0;
    FreeImage_GetPixelIndex(pic.get(), x, Row(pic, y), &index);
    quad = FreeImage_GetPalette(pic.get())[index];
  } else {
    FreeImage_GetPixelColor(pic.get(), x, Row(pic, y), &quad);
  }
  return {quad.rgbRed, quad.rgbGreen, quad.rgbBlue};
}

int AlphaAt(const Picture& pic, int x, int y) {
  RGBQUAD quad = {};
  FreeImage_GetPixelColor(pic.get(), x, Row(pic, y), &quad);
  return quad.rgbReserved;
}

Picture NumberedPicture(int width, int height) {
  Picture pic = FilledPicture(width, height, {});
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      SetPixel(pic, x, y, {static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), 7});
  return pic;
}
