#pragma once

#include "engine/picture.h"
#include "settings/settings.h"

// Every step takes the picture and returns the one to go on with (see
// picture.h). Each first brings a picture of a depth its FreeImage routine
// does not take to 24 bits.

/// Brightness, contrast, gamma and invert in one FreeImage call. Depths that
/// FreeImage does not adjust (16-bit) pass through unchanged.
Picture AdjustColours(Picture pic, const Settings& s);

/// An 8-bit grey picture.
Picture Greyscale(Picture pic, const Settings& s);

/// A 1-bit picture: grey levels of `Image Threshold` (its low byte) and
/// above become white.
Picture Threshold(Picture pic, const Settings& s);

/// A 1-bit picture dithered with `Image Dither Algorithm`.
Picture Dither(Picture pic, const Settings& s);

/// FreeImage's algorithm for an `Image Dither Algorithm` code (Floyd and
/// Steinberg for unknown codes).
FREE_IMAGE_DITHER DitherAlgorithm(int code);
