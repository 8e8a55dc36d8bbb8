#include "engine/frame.h"

#include <algorithm>
#include <cstdint>

#include "engine/depth24.h"

namespace {

void AddBand(std::vector<PixelRect>& bands, int x0, int y0, int x1, int y1) {
  if (x1 > x0 && y1 > y0)
    bands.push_back({x0, y0, x1 - x0, y1 - y0});
}

// Bands are drawn in strips of about this many pixels, through one reused
// buffer that stays in the cache, so even a wide frame never needs a
// band-sized layer.
constexpr int kStripPixels = 1 << 16;

// Draws the part of the frame inside `strip` on `buffer` (premultiplied
// ARGB, strip-sized) and lays it over the picture at `Solid Opacity`.
void DrawStrip(FIBITMAP* pic, const std::vector<FrameShape>& shapes, const PixelRect& strip,
               std::vector<std::uint32_t>& buffer, int opacity) {
  std::fill_n(buffer.begin(), static_cast<std::size_t>(strip.width) * strip.height, 0u);
  const CairoSurface surface(cairo_image_surface_create_for_data(
      reinterpret_cast<unsigned char*>(buffer.data()), CAIRO_FORMAT_ARGB32, strip.width,
      strip.height, strip.width * 4));
  const CairoContext cr = NewContext(surface);
  if (!cr)
    return;
  cairo_translate(cr.get(), -strip.x, -strip.y);
  for (const FrameShape& shape : shapes) {
    for (const FrameShape::Corner& corner : shape.corners)
      cairo_line_to(cr.get(), corner.x, corner.y);
    cairo_close_path(cr.get());
    cairo_set_source_rgb(cr.get(), shape.colour.red / 255.0, shape.colour.green / 255.0,
                         shape.colour.blue / 255.0);
    cairo_fill(cr.get());
  }
  BlendTile(pic, surface.get(), strip.x, strip.y, opacity);
}

}  // namespace

std::vector<FrameShape> FrameShapes(Size size, const Settings& s) {
  const double w = size.width, h = size.height;
  const double l = s.solid_left, r = s.solid_right, t = s.solid_top, b = s.solid_bottom;
  const Rgb top = ColourFromText(s.solid_top_color);
  const Rgb right = ColourFromText(s.solid_right_color);
  const Rgb bottom = ColourFromText(s.solid_bottom_color);
  const Rgb left = ColourFromText(s.solid_left_color);
  const auto box = [](Rgb colour, double x, double y, double bw, double bh) {
    return FrameShape{colour, {{x, y}, {x + bw, y}, {x + bw, y + bh}, {x, y + bh}}};
  };
  return {
      box(top, 0, 0, l, t),
      box(right, w - r, 0, r, t),
      box(bottom, w - r, h - b, r, b),
      box(left, 0, h - b, l, b),
      {top, {{0, 0}, {w, 0}, {w - r, t}, {l, t}}},
      {right, {{w, 0}, {w, h}, {w - r, h - b}, {w - r, t}}},
      {bottom, {{w, h}, {0, h}, {l, h - b}, {w - r, h - b}}},
      {left, {{0, h}, {0, 0}, {l, t}, {l, h - b}}},
  };
}

std::vector<PixelRect> FrameBands(Size size, const Settings& s) {
  const int w = size.width, h = size.height;
  const int top = std::clamp(s.solid_top, 0, h);
  const int bottom = std::clamp(h - s.solid_bottom, top, h);
  const int left = std::clamp(s.solid_left, 0, w);
  const int right = std::clamp(w - s.solid_right, left, w);
  std::vector<PixelRect> bands;
  AddBand(bands, 0, 0, w, top);
  AddBand(bands, 0, bottom, w, h);
  AddBand(bands, 0, top, left, bottom);
  AddBand(bands, right, top, w, bottom);
  return bands;
}

Picture DrawFrame(Picture pic, Size size, const Settings& s) {
  if (!pic || s.do_frame == codes::kNoFrame)
    return pic;
  pic = To24Bits(std::move(pic));
  if (!pic || s.do_frame != codes::kSolidFrame)
    return pic;
  const Size actual = SizeOf(pic);
  const std::vector<FrameShape> shapes = FrameShapes(size, s);
  std::vector<std::uint32_t> buffer;
  for (PixelRect band : FrameBands(size, s)) {
    // Only the part of the frame that falls on the picture is drawn.
    band.width = std::min(band.width, actual.width - band.x);
    band.height = std::min(band.height, actual.height - band.y);
    if (band.width <= 0 || band.height <= 0)
      continue;
    const int rows = std::clamp(kStripPixels / band.width, 1, band.height);
    buffer.resize(std::max(buffer.size(), static_cast<std::size_t>(band.width) * rows));
    for (int top = band.y; top < band.y + band.height; top += rows) {
      const PixelRect strip = {band.x, top, band.width, std::min(rows, band.y + band.height - top)};
      DrawStrip(pic.get(), shapes, strip, buffer, s.solid_opacity);
    }
  }
  return pic;
}
