#include "engine/depth24.h"

Picture To24Bits(Picture pic) {
  if (!pic)
    return pic;
  if (FreeImage_GetImageType(pic.get()) == FIT_BITMAP && FreeImage_GetBPP(pic.get()) == 24)
    return pic;
  Picture converted = Adopt(FreeImage_ConvertTo24Bits(pic.get()));
  if (!converted && FreeImage_GetImageType(pic.get()) != FIT_BITMAP) {
    const Picture standard = Adopt(FreeImage_ConvertToStandardType(pic.get(), TRUE));
    if (standard)
      converted = Adopt(FreeImage_ConvertTo24Bits(standard.get()));
  }
  return converted;
}
