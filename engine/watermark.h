#pragma once

#include <memory>

#include "engine/naming.h"
#include "engine/picture.h"
#include "settings/settings.h"

/// The font a text watermark draws with; loaded once per run by the starter
/// (engine/watermark_font.h).
class WatermarkFont;

/// Loads the font of `Font`, `Font Size`, `Font Style` and `Font Effect`;
/// null when no installed face answers to the name.
std::shared_ptr<const WatermarkFont> LoadWatermarkFont(const Settings& s);

/// Lays the text or image watermark over a picture of size `size`; the text's
/// placeholders are filled from `values`. With a watermark chosen the result
/// is 24-bit even when nothing could be laid over it: no font, a picture
/// file that does not load, a layer with no room left after the offsets, or
/// one that would stick out of the picture.
Picture DrawWatermark(Picture pic, Size size, const Settings& s, const PlaceholderValues& values,
                      const WatermarkFont* font);
