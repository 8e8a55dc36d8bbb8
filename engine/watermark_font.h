#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include <pango/pango.h>

/// The font a text watermark draws with: an installed family at a pixel
/// size, with its style and effect. Made once per run by the starter and
/// only read while drawing, so one font may serve the worker thread.
class WatermarkFont {
 public:
  /// `style` and `effect` are the `Font Style` and `Font Effect` codes.
  WatermarkFont(const std::string& family, int pixel_size, int style, int effect);

  const std::string& family() const { return family_; }

  int pixel_size() const { return pixel_size_; }

  bool underline() const { return underline_; }

  bool strikethrough() const { return strikethrough_; }

  /// The face, size, weight and slant for Pango.
  const PangoFontDescription* description() const { return description_.get(); }

 private:
  struct FreeDescription {
    void operator()(PangoFontDescription* d) const { pango_font_description_free(d); }
  };

  std::string family_;
  int pixel_size_;
  bool underline_;
  bool strikethrough_;
  std::unique_ptr<PangoFontDescription, FreeDescription> description_;
};

/// The installed family that fontconfig answers to `name` with: a face whose
/// family equals the name ignoring case, or one of fontconfig's aliases
/// bound to the name (Arial gives Liberation Sans). Generic fallbacks that
/// fontconfig appends to every name do not count. Nothing when no installed
/// face answers.
std::optional<std::string> InstalledFamily(std::string_view name);

/// The pixel height of a `points`-sized font on the 96 dpi display,
/// rounded; a size of 0 gives the usual 12-point height.
int FontPixelHeight(int points);
