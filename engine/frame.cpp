#include "engine/frame.h"

#include <algorithm>

#include "engine/depth24.h"

namespace {

void AddBand(std::vector<PixelRect>& bands, int x0, int y0, int x1, int y1) {
  if (x1 > x0 && y1 > y0)
    bands.push_back({x0, y0, x1 - x0, y1 - y0});
}

// The frame's pixels of one band at full strength, then at `Solid Opacity`.
CairoSurface PaintBand(const std::vector<FrameShape>& shapes, const PixelRect& band, int opacity) {
  CairoSurface shapes_surface = NewSurface(band.width, band.height);
  CairoContext cr = NewContext(shapes_surface);
  if (!cr)
    return {};
  cairo_translate(cr.get(), -band.x, -band.y);
  for (const FrameShape& shape : shapes) {
    for (const FrameShape::Corner& corner : shape.corners)
      cairo_line_to(cr.get(), corner.x, corner.y);
    cairo_close_path(cr.get());
    cairo_set_source_rgb(cr.get(), shape.colour.red / 255.0, shape.colour.green / 255.0,
                         shape.colour.blue / 255.0);
    cairo_fill(cr.get());
  }
  CairoSurface faded = NewSurface(band.width, band.height);
  CairoContext fade = NewContext(faded);
  if (!fade)
    return {};
  cairo_set_source_surface(fade.get(), shapes_surface.get(), 0, 0);
  cairo_paint_with_alpha(fade.get(), opacity / 255.0);
  return faded;
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
  for (PixelRect band : FrameBands(size, s)) {
    // Only the part of the frame that falls on the picture is drawn.
    band.width = std::min(band.width, actual.width - band.x);
    band.height = std::min(band.height, actual.height - band.y);
    if (band.width <= 0 || band.height <= 0)
      continue;
    const CairoSurface layer = PaintBand(shapes, band, s.solid_opacity);
    const Picture fg = PictureFromSurface(layer.get());
    if (fg)
      CompositeOver(pic.get(), fg.get(), band.x, band.y);
  }
  return pic;
}
