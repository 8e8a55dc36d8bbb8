#include "engine/layer.h"

#include <algorithm>
#include <array>
#include <cstdint>

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

namespace {

// x × y / 255 rounded, as Pixman multiplies 8-bit channels.
unsigned MulUn8(unsigned x, unsigned y) {
  const unsigned t = x * y + 0x80;
  return (t + (t >> 8)) >> 8;
}

// Straight-alpha channel values by [alpha][premultiplied value], rounded as
// Cairo's PNG writer rounds them; a table, because a division per channel
// would dominate blending a half-transparent frame.
const std::array<std::array<std::uint8_t, 256>, 256>& Unpremultiplied() {
  static const auto table = [] {
    std::array<std::array<std::uint8_t, 256>, 256> t{};
    for (unsigned a = 1; a < 256; ++a)
      for (unsigned c = 0; c <= a; ++c)
        t[a][c] = static_cast<std::uint8_t>((c * 255 + a / 2) / a);
    return t;
  }();
  return table;
}

}  // namespace

namespace {

// One tile pixel after fading, as straight alpha in FreeImage's byte order.
struct FadedPixel {
  unsigned alpha = 0;
  BYTE colour[3] = {};
};

FadedPixel Fade(std::uint32_t argb, unsigned fade) {
  unsigned alpha = argb >> 24;
  unsigned channel[3] = {(argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF};
  if (fade != 255) {
    alpha = MulUn8(alpha, fade);
    for (unsigned& c : channel)
      c = MulUn8(c, fade);
  }
  FadedPixel faded;
  faded.alpha = alpha;
  constexpr int kOrder[3] = {FI_RGBA_RED, FI_RGBA_GREEN, FI_RGBA_BLUE};
  for (int i = 0; i < 3; ++i)
    faded.colour[kOrder[i]] = Unpremultiplied()[alpha][channel[i]];
  return faded;
}

}  // namespace

void BlendTile(FIBITMAP* pic, cairo_surface_t* tile, int x, int y, int opacity) {
  cairo_surface_flush(tile);
  const int width = cairo_image_surface_get_width(tile);
  const int height = cairo_image_surface_get_height(tile);
  const int stride = cairo_image_surface_get_stride(tile);
  const unsigned char* data = cairo_image_surface_get_data(tile);
  const int pic_height = static_cast<int>(FreeImage_GetHeight(pic));
  const unsigned fade = static_cast<unsigned>(std::clamp(opacity, 0, 255));
  if (!data || fade == 0)
    return;
  // Frames are runs of one colour, so the last pixel's conversion is kept.
  std::uint32_t last_argb = 0;
  FadedPixel faded;
  for (int row = 0; row < height; ++row) {
    const auto* in = reinterpret_cast<const std::uint32_t*>(data + row * stride);
    BYTE* out = FreeImage_GetScanLine(pic, pic_height - 1 - (y + row)) + 3 * x;
    for (int col = 0; col < width; ++col, out += 3) {
      if (in[col] != last_argb) {
        last_argb = in[col];
        faded = Fade(last_argb, fade);
      }
      const unsigned alpha = faded.alpha;
      if (alpha == 0)
        continue;
      for (int i = 0; i < 3; ++i)
        out[i] = alpha == 255
                     ? faded.colour[i]
                     : static_cast<BYTE>((alpha * faded.colour[i] + (255 - alpha) * out[i]) >> 8);
    }
  }
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
