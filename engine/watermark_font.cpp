#include "engine/watermark_font.h"

#include <cmath>
#include <cstdlib>
#include <vector>

#include "engine/watermark.h"

#include <fontconfig/fontconfig.h>

namespace {

constexpr int kBold = 1, kItalic = 2, kBoldItalic = 3;
constexpr int kUnderline = 1, kStrikethrough = 2;

struct PatternDestroy {
  void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};

struct ObjectSetDestroy {
  void operator()(FcObjectSet* o) const { FcObjectSetDestroy(o); }
};

struct FontSetDestroy {
  void operator()(FcFontSet* f) const { FcFontSetDestroy(f); }
};

using PatternOwner = std::unique_ptr<FcPattern, PatternDestroy>;

std::vector<std::string> InstalledFamilies() {
  std::vector<std::string> families;
  const PatternOwner all(FcPatternCreate());
  const std::unique_ptr<FcObjectSet, ObjectSetDestroy> family_only(
      FcObjectSetBuild(FC_FAMILY, nullptr));
  if (!all || !family_only)
    return families;
  const std::unique_ptr<FcFontSet, FontSetDestroy> fonts(
      FcFontList(nullptr, all.get(), family_only.get()));
  if (!fonts)
    return families;
  for (int i = 0; i < fonts->nfont; ++i) {
    FcChar8* family = nullptr;
    // A face may carry several family names (for example a localised one).
    for (int k = 0; FcPatternGetString(fonts->fonts[i], FC_FAMILY, k, &family) == FcResultMatch;
         ++k)
      families.emplace_back(reinterpret_cast<const char*>(family));
  }
  return families;
}

}  // namespace

WatermarkFont::WatermarkFont(const std::string& family, int pixel_size, int style, int effect)
    : family_(family),
      pixel_size_(pixel_size),
      underline_(effect == kUnderline),
      strikethrough_(effect == kStrikethrough),
      description_(pango_font_description_new()) {
  pango_font_description_set_family(description_.get(), family.c_str());
  pango_font_description_set_absolute_size(description_.get(), pixel_size * PANGO_SCALE);
  pango_font_description_set_weight(description_.get(), style == kBold || style == kBoldItalic
                                                            ? PANGO_WEIGHT_BOLD
                                                            : PANGO_WEIGHT_NORMAL);
  pango_font_description_set_style(description_.get(), style == kItalic || style == kBoldItalic
                                                           ? PANGO_STYLE_ITALIC
                                                           : PANGO_STYLE_NORMAL);
}

std::optional<std::string> InstalledFamily(std::string_view name) {
  const std::string wanted(name);
  if (wanted.empty() || !FcInit())
    return std::nullopt;
  const PatternOwner pattern(FcPatternCreate());
  if (!pattern)
    return std::nullopt;
  FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(wanted.c_str()));
  FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
  const std::vector<std::string> installed = InstalledFamilies();
  FcValue value;
  FcValueBinding binding;
  // The name itself comes first; aliases bound to it are strong, while the
  // generic families fontconfig appends to any name are weak.
  for (int i = 0;
       FcPatternGetWithBinding(pattern.get(), FC_FAMILY, i, &value, &binding) == FcResultMatch;
       ++i) {
    if (binding == FcValueBindingWeak || value.type != FcTypeString)
      continue;
    for (const std::string& family : installed)
      if (FcStrCmpIgnoreCase(value.u.s, reinterpret_cast<const FcChar8*>(family.c_str())) == 0)
        return family;
  }
  return std::nullopt;
}

int FontPixelHeight(int points) {
  constexpr int kDotsPerInch = 96;
  const int pixels = std::abs(static_cast<int>(std::lround(points * kDotsPerInch / 72.0)));
  return pixels == 0 ? 16 : pixels;
}

std::shared_ptr<const WatermarkFont> LoadWatermarkFont(const Settings& s) {
  const std::optional<std::string> family = InstalledFamily(s.font);
  if (!family)
    return nullptr;
  return std::make_shared<const WatermarkFont>(*family, FontPixelHeight(s.font_size), s.font_style,
                                               s.font_effect);
}
