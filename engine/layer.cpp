#include "engine/layer.h"

#include <cstdint>
#include <cstring>

CairoSurface NewSurface(int width, int height, cairo_format_t format) {
  CairoSurface surface(cairo_image_surface_create(format, width, height));
  if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS)
    return {};
  return surface;
}

CairoContext NewContext(const CairoSurface& surface) {
  if (!surface)
    return {};
  CairoContext cr(cairo_create(surface.get()));
  if (cairo_status(cr.get()) != CAIRO_STATUS_SUCCESS)
    return {};
  return cr;
}

Picture PictureFromSurface(cairo_surface_t* surface) {
  if (!surface || cairo_image_surface_get_format(surface) != CAIRO_FORMAT_ARGB32)
    return {};
  cairo_surface_flush(surface);
  const int width = cairo_image_surface_get_width(surface);
  const int height = cairo_image_surface_get_height(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  const unsigned char* data = cairo_image_surface_get_data(surface);
  if (width <= 0 || height <= 0 || !data)
    return {};
  Picture pic = Adopt(FreeImage_Allocate(width, height, 32, FI_RGBA_RED_MASK, FI_RGBA_GREEN_MASK,
                                         FI_RGBA_BLUE_MASK));
  if (!pic)
    return pic;
  for (int y = 0; y < height; ++y) {
    const auto* in = reinterpret_cast<const std::uint32_t*>(data + y * stride);
    // Cairo's rows run top down, FreeImage's bottom up.
    BYTE* out = FreeImage_GetScanLine(pic.get(), height - 1 - y);
    for (int x = 0; x < width; ++x, out += 4) {
      const std::uint32_t argb = in[x];
      const unsigned alpha = argb >> 24;
      if (alpha == 0) {
        std::memset(out, 0, 4);
        continue;
      }
      // Un-premultiply with rounding, as Cairo's own PNG writer does.
      const auto channel = [&](unsigned shift) {
        return static_cast<BYTE>((((argb >> shift) & 0xFF) * 255 + alpha / 2) / alpha);
      };
      out[FI_RGBA_RED] = channel(16);
      out[FI_RGBA_GREEN] = channel(8);
      out[FI_RGBA_BLUE] = channel(0);
      out[FI_RGBA_ALPHA] = static_cast<BYTE>(alpha);
    }
  }
  return pic;
}

bool CompositeOver(FIBITMAP* pic, FIBITMAP* layer, int x, int y) {
  const int width = static_cast<int>(FreeImage_GetWidth(layer));
  const int height = static_cast<int>(FreeImage_GetHeight(layer));
  if (x < 0 || y < 0 || x + width > static_cast<int>(FreeImage_GetWidth(pic))
      || y + height > static_cast<int>(FreeImage_GetHeight(pic)))
    return false;
  // Composite only the covered region: elsewhere a transparent layer would
  // give back the picture's own pixels.
  const Picture under = Adopt(FreeImage_Copy(pic, x, y, x + width, y + height));
  if (!under)
    return false;
  const Picture blended = Adopt(FreeImage_Composite(layer, FALSE, nullptr, under.get()));
  return blended && FreeImage_Paste(pic, blended.get(), x, y, 256);
}
