#pragma once

#include <memory>

#include <cairo.h>

#include "engine/picture.h"

// Frames and watermarks are drawn with Cairo onto RGBA layers and laid over
// the picture with FreeImage's compositing rule. Layers cover only the region
// they draw in, never the whole picture.

struct CairoSurfaceDestroy {
  void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};

struct CairoDestroy {
  void operator()(cairo_t* cr) const { cairo_destroy(cr); }
};

/// The one owner of a Cairo surface or drawing context.
using CairoSurface = std::unique_ptr<cairo_surface_t, CairoSurfaceDestroy>;
using CairoContext = std::unique_ptr<cairo_t, CairoDestroy>;

/// A transparent ARGB32 surface; empty when Cairo could not make one.
CairoSurface NewSurface(int width, int height, cairo_format_t format = CAIRO_FORMAT_ARGB32);

/// A context drawing on `surface`; empty when Cairo could not make one.
CairoContext NewContext(const CairoSurface& surface);

/// A pixel rectangle in top-down picture coordinates.
struct PixelRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

/// Lays the premultiplied ARGB32 `tile`, faded to `opacity` (0..255), over
/// the 24-bit `pic` with its top-left corner at (x, y), which must lie
/// inside. The pixels are those of fading the tile onto a transparent
/// surface with Cairo, taking it out as straight alpha and compositing it
/// with FreeImage_Composite, without any buffer of the tile's size.
void BlendTile(FIBITMAP* pic, cairo_surface_t* tile, int x, int y, int opacity);

/// Lays the 32-bit `layer` over the 24-bit `pic` with its top-left corner at
/// (x, y), by FreeImage_Composite's rule (alpha × layer + (255 − alpha) ×
/// picture, shifted right by 8). False, and the picture unchanged, when the
/// layer does not lie wholly inside the picture or memory runs out.
bool CompositeOver(FIBITMAP* pic, FIBITMAP* layer, int x, int y);
