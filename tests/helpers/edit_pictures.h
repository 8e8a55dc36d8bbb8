#pragma once

#include "engine/colour_text.h"
#include "engine/picture.h"

// Small in-memory pictures for the edit-step tests. Coordinates run top
// down, as the user sees the picture.

/// A `width` × `height` picture of one colour; 24 or 32 bits (opaque).
Picture FilledPicture(int width, int height, Rgb colour, unsigned bpp = 24);

/// Sets one pixel of a 24- or 32-bit picture (alpha 255 on 32-bit ones).
void SetPixel(const Picture& pic, int x, int y, Rgb colour);

/// The colour of one pixel at any bit depth FreeImage reads pixels of
/// (palette pictures through their palette).
Rgb ColourAt(const Picture& pic, int x, int y);

/// The alpha of one pixel of a 32-bit picture.
int AlphaAt(const Picture& pic, int x, int y);

/// A picture whose every pixel is distinct: red = x, green = y.
Picture NumberedPicture(int width, int height);
