#include "engine/watermark.h"

class WatermarkFont {};

std::shared_ptr<const WatermarkFont> LoadWatermarkFont(const Settings&) {
  return std::make_shared<const WatermarkFont>();
}

Picture DrawWatermark(Picture pic, Size, const Settings&, const PlaceholderValues&,
                      const WatermarkFont*) {
  return pic;
}
