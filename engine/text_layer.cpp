#include "engine/text_layer.h"

#include <glib.h>

#include <algorithm>
#include <cctype>
#include <cmath>

#include <pango/pangocairo.h>

#include "engine/colour_text.h"
#include "engine/layer.h"

namespace {

constexpr std::string_view kLineBreak = "%eol%";
constexpr int kMinimumLineSide = 10;

struct GObjectUnref {
  void operator()(gpointer object) const { g_object_unref(object); }
};

using LayoutOwner = std::unique_ptr<PangoLayout, GObjectUnref>;

std::size_t FindLineBreak(std::string_view text, std::size_t from) {
  for (std::size_t i = from; i + kLineBreak.size() <= text.size(); ++i) {
    std::size_t k = 0;
    while (k < kLineBreak.size()
           && std::tolower(static_cast<unsigned char>(text[i + k])) == kLineBreak[k])
      ++k;
    if (k == kLineBreak.size())
      return i;
  }
  return std::string_view::npos;
}

// One line as Pango lays it out for 2D text (no smoothing, whole-pixel
// metrics) or for vector text.
LayoutOwner LineLayout(cairo_t* cr, const WatermarkFont& font, bool smooth,
                       const std::string& line) {
  cairo_set_antialias(cr, smooth ? CAIRO_ANTIALIAS_GRAY : CAIRO_ANTIALIAS_NONE);
  LayoutOwner layout(pango_cairo_create_layout(cr));
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_antialias(options, smooth ? CAIRO_ANTIALIAS_GRAY : CAIRO_ANTIALIAS_NONE);
  cairo_font_options_set_hint_metrics(options,
                                      smooth ? CAIRO_HINT_METRICS_OFF : CAIRO_HINT_METRICS_ON);
  pango_cairo_context_set_font_options(pango_layout_get_context(layout.get()), options);
  cairo_font_options_destroy(options);
  pango_layout_context_changed(layout.get());
  pango_layout_set_font_description(layout.get(), font.description());
  if (font.underline() || font.strikethrough()) {
    PangoAttrList* attributes = pango_attr_list_new();
    pango_attr_list_insert(attributes, font.underline()
                                           ? pango_attr_underline_new(PANGO_UNDERLINE_SINGLE)
                                           : pango_attr_strikethrough_new(TRUE));
    pango_layout_set_attributes(layout.get(), attributes);
    pango_attr_list_unref(attributes);
  }
  // Pango wants valid UTF-8; stray bytes show as replacement characters.
  gchar* valid = g_utf8_make_valid(line.c_str(), static_cast<gssize>(line.size()));
  pango_layout_set_text(layout.get(), valid, -1);
  g_free(valid);
  return layout;
}

Size Measure2D(cairo_t* cr, const WatermarkFont& font, const std::string& line) {
  const LayoutOwner layout = LineLayout(cr, font, false, line);
  PangoRectangle logical;
  pango_layout_get_pixel_extents(layout.get(), nullptr, &logical);
  return {logical.width, logical.height};
}

int VectorWidth(cairo_t* cr, const WatermarkFont& font, const std::string& line) {
  const LayoutOwner layout = LineLayout(cr, font, true, line);
  PangoRectangle logical;
  pango_layout_get_extents(layout.get(), nullptr, &logical);
  return static_cast<int>(std::lround(static_cast<double>(logical.width) / PANGO_SCALE));
}

struct Paint {
  Rgb colour;
  int opacity;  // 0..255
};

void SetPixel(BYTE* out, Rgb colour, int alpha) {
  out[FI_RGBA_RED] = colour.red;
  out[FI_RGBA_GREEN] = colour.green;
  out[FI_RGBA_BLUE] = colour.blue;
  out[FI_RGBA_ALPHA] = static_cast<BYTE>(alpha);
}

// Text at `coverage` (0..1) over its background, both at their own
// opacity, over transparency; the colour comes out un-premultiplied.
void BlendPixel(BYTE* out, const Paint& text, const Paint& back, double coverage) {
  const double text_alpha = text.opacity / 255.0 * coverage;
  const double back_alpha = back.opacity / 255.0 * (1 - text_alpha);
  const double alpha = text_alpha + back_alpha;
  if (alpha <= 0) {
    SetPixel(out, {}, 0);
    return;
  }
  const auto mix = [&](std::uint8_t t, std::uint8_t b) {
    return static_cast<std::uint8_t>(std::lround((t * text_alpha + b * back_alpha) / alpha));
  };
  SetPixel(out,
           {mix(text.colour.red, back.colour.red), mix(text.colour.green, back.colour.green),
            mix(text.colour.blue, back.colour.blue)},
           static_cast<int>(std::lround(alpha * 255)));
}

// The coloured layer from the text's coverage mask. 2D text writes either
// the text's or the background's colour and opacity; vector text blends.
Picture ColourLayer(cairo_surface_t* mask, const Paint& text, const Paint& back, bool smooth) {
  cairo_surface_flush(mask);
  const int width = cairo_image_surface_get_width(mask);
  const int height = cairo_image_surface_get_height(mask);
  const int stride = cairo_image_surface_get_stride(mask);
  const unsigned char* data = cairo_image_surface_get_data(mask);
  Picture pic = Adopt(FreeImage_Allocate(width, height, 32, FI_RGBA_RED_MASK, FI_RGBA_GREEN_MASK,
                                         FI_RGBA_BLUE_MASK));
  if (!pic || !data)
    return {};
  for (int y = 0; y < height; ++y) {
    const unsigned char* in = data + y * stride;
    BYTE* out = FreeImage_GetScanLine(pic.get(), height - 1 - y);
    for (int x = 0; x < width; ++x, out += 4) {
      if (smooth)
        BlendPixel(out, text, back, in[x] / 255.0);
      else if (in[x] >= 128)
        SetPixel(out, text.colour, text.opacity);
      else
        SetPixel(out, back.colour, back.opacity);
    }
  }
  return pic;
}

}  // namespace

std::string WatermarkText(const Settings& s, const PlaceholderValues& values) {
  if (std::count(s.text.begin(), s.text.end(), '%') < 2)
    return s.text;
  return ReplacePlaceholders(s.text, values);
}

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t at = FindLineBreak(text, 0); at != std::string_view::npos;
       at = FindLineBreak(text, start)) {
    lines.emplace_back(text.substr(start, at - start));
    start = at + kLineBreak.size();
  }
  lines.emplace_back(text.substr(start));
  return lines;
}

int AlignX(int alignment, int layer_width, int line_width, int padding) {
  constexpr int kLeft = 0, kCenter = 1, kRight = 2;
  switch (alignment) {
    case kLeft:
      return padding;
    case kCenter:
      return static_cast<int>(std::lround((layer_width - line_width) / 2.0));
    case kRight:
      return layer_width - line_width - padding;
    default:
      return 0;
  }
}

TextBlock LayOutBlock(const std::vector<Size>& line_sizes, const Settings& s) {
  Size text;
  int step = 0;
  if (line_sizes.size() == 1) {
    text = line_sizes.front();
  } else if (!line_sizes.empty()) {
    text = {kMinimumLineSide, kMinimumLineSide};
    for (const Size& line : line_sizes)
      text = {std::max(text.width, line.width), std::max(text.height, line.height)};
    step = text.height + s.font_leading;
    text.height += static_cast<int>(line_sizes.size() - 1) * step;
  }
  return {{text.width + 2 * s.text_padding, text.height + 2 * s.text_padding}, step};
}

Picture TextLayer(const std::vector<std::string>& lines, const Settings& s,
                  const WatermarkFont& font) {
  const bool smooth = s.text_antialiasing != 0;
  const CairoSurface scratch = NewSurface(1, 1, CAIRO_FORMAT_A8);
  const CairoContext measure = NewContext(scratch);
  if (!measure || lines.empty())
    return {};
  std::vector<Size> sizes;
  for (const std::string& line : lines)
    sizes.push_back(Measure2D(measure.get(), font, line));
  const TextBlock block = LayOutBlock(sizes, s);
  if (block.layer.width <= 0 || block.layer.height <= 0)
    return {};

  const CairoSurface mask = NewSurface(block.layer.width, block.layer.height, CAIRO_FORMAT_A8);
  const CairoContext cr = NewContext(mask);
  if (!cr)
    return {};
  for (std::size_t k = 0; k < lines.size(); ++k) {
    int x = s.text_padding;
    if (lines.size() > 1) {
      const int width = smooth ? VectorWidth(cr.get(), font, lines[k]) : sizes[k].width;
      x = AlignX(s.text_alignment, block.layer.width, width, s.text_padding);
    }
    const LayoutOwner layout = LineLayout(cr.get(), font, smooth, lines[k]);
    cairo_move_to(cr.get(), x, s.text_padding + static_cast<int>(k) * block.line_step);
    pango_cairo_show_layout(cr.get(), layout.get());
  }
  const auto opacity = [](int value) {
    return std::clamp(value, 0, 255);
  };
  return ColourLayer(mask.get(), {ColourFromText(s.font_color), opacity(s.text_opacity)},
                     {ColourFromText(s.back_color), opacity(s.back_opacity)}, smooth);
}
