#pragma once

#include <string>

#include "engine/picture.h"
#include "settings/settings.h"

/// Loads a watermark picture from a BMP, PNG or JPEG file (recognised by
/// its content); empty when the file is missing or holds anything else.
Picture LoadWatermarkPicture(const std::string& path);

/// The image layer: `loaded` as a 32-bit picture with straight alpha, each
/// pixel's alpha scaled by `Image Opacity` / 255 (pictures without alpha
/// count as opaque) and, with `Image Greyscale`, its colour replaced by
/// (77 × red + 150 × green + 29 × blue) / 256. Empty when `loaded` is.
Picture ImageLayer(const Picture& loaded, const Settings& s);
