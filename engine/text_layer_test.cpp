#include "engine/text_layer.h"

#include <gtest/gtest.h>

#include "engine/watermark.h"
#include "settings/settings_table.h"
#include "tests/helpers/edit_pictures.h"

namespace {

Settings TextWatermark(const char* text) {
  Settings s = DefaultSettings();
  s.do_watermark = codes::kTextWatermark;
  s.text = text;
  return s;
}

PlaceholderValues Values() {
  PlaceholderValues v;
  v.input_path = "/photos/IMG0001.PCD";
  v.output_extension = "tiff";
  v.now = [] {
    return std::int64_t{1700000000};
  };  // November 2023
  return v;
}

// The columns that hold a pixel of text colour in rows [top, bottom).
std::pair<int, int> InkColumns(const Picture& layer, Rgb ink, int top, int bottom) {
  int first = -1, last = -1;
  for (int x = 0; x < static_cast<int>(FreeImage_GetWidth(layer.get())); ++x)
    for (int y = top; y < bottom; ++y)
      if (ColourAt(layer, x, y) == ink) {
        if (first < 0)
          first = x;
        last = x;
      }
  return {first, last};
}

}  // namespace

TEST(WatermarkText, FillsPlaceholdersOnlyWithTwoPercentSigns) {
  EXPECT_EQ("50% off", WatermarkText(TextWatermark("50% off"), Values()));
  EXPECT_EQ("IMG0001", WatermarkText(TextWatermark("%filename%"), Values()));
  EXPECT_EQ("Photo IMG0001%eol%2023",
            WatermarkText(TextWatermark("Photo %FileName%%eol%%yyyy%"), Values()));
}

TEST(SplitLines, SplitsAtEveryLineBreakInAnyCase) {
  using Lines = std::vector<std::string>;
  EXPECT_EQ((Lines{"a", "b"}), SplitLines("a%EOL%b"));
  EXPECT_EQ((Lines{"a", "b"}), SplitLines("a%eol%b"));
  EXPECT_EQ((Lines{"", "a", "b", ""}), SplitLines("%Eol%a%eol%b%eOl%"));
  EXPECT_EQ((Lines{"plain % text"}), SplitLines("plain % text"));
}

TEST(AlignX, PlacesALineInItsLayer) {
  EXPECT_EQ(4, AlignX(0, 100, 33, 4));
  EXPECT_EQ(34, AlignX(1, 100, 33, 4));  // 33.5 rounds away from zero
  EXPECT_EQ(33, AlignX(1, 100, 34, 4));
  EXPECT_EQ(63, AlignX(2, 100, 33, 4));
  EXPECT_EQ(0, AlignX(3, 100, 33, 4));
}

TEST(LayOutBlock, AddsPaddingAndStepsLinesByTheTallestPlusLeading) {
  Settings s = TextWatermark("");
  s.text_padding = 3;
  s.font_leading = 2;
  const TextBlock one = LayOutBlock({{50, 19}}, s);
  EXPECT_EQ((Size{56, 25}), one.layer);
  EXPECT_EQ(0, one.line_step);
  // Widest 40, tallest 19; step 21; 19 + 2 x 21 = 61.
  const TextBlock three = LayOutBlock({{40, 8}, {30, 19}, {0, 19}}, s);
  EXPECT_EQ((Size{46, 67}), three.layer);
  EXPECT_EQ(21, three.line_step);
  // Several tiny lines count as at least 10 x 10 each.
  const TextBlock tiny = LayOutBlock({{5, 5}, {3, 4}}, s);
  EXPECT_EQ((Size{16, 28}), tiny.layer);  // 10 + (10 + 2), padded
}

TEST(InstalledFamily, AcceptsNamesAndAliasesButNotFallbacks) {
  EXPECT_EQ("Liberation Sans", InstalledFamily("Arial").value_or("none"));
  EXPECT_EQ("Liberation Sans", InstalledFamily("arial").value_or("none"));
  EXPECT_EQ("Liberation Sans", InstalledFamily("LIBERATION SANS").value_or("none"));
  EXPECT_EQ("DejaVu Sans", InstalledFamily("DejaVu Sans").value_or("none"));
  EXPECT_FALSE(InstalledFamily("No Such Font Marlenta"));
  EXPECT_FALSE(InstalledFamily("sans-serif"));
  EXPECT_FALSE(InstalledFamily(""));
}

TEST(LoadWatermarkFont, SizesInPixelsAtNinetySixDpi) {
  Settings s = TextWatermark("x");
  const auto font = LoadWatermarkFont(s);
  ASSERT_TRUE(font);
  EXPECT_EQ(19, font->pixel_size());  // 14 x 96 / 72 = 18.67
  s.font = "Nonexistent Face";
  EXPECT_FALSE(LoadWatermarkFont(s));
  EXPECT_EQ(16, FontPixelHeight(12));
  EXPECT_EQ(16, FontPixelHeight(0));
}

TEST(TextLayer, TwoDimensionalTextWritesOnlyTextOrBackground) {
  Settings s = TextWatermark("Marlenta");
  s.font_color = "FFFF00";
  s.back_color = "000080";
  s.text_opacity = 200;
  s.back_opacity = 60;
  s.text_padding = 4;
  const auto font = LoadWatermarkFont(s);
  ASSERT_TRUE(font);
  const Picture layer = TextLayer({"Marlenta"}, s, *font);
  ASSERT_TRUE(layer);
  const Size size = SizeOf(layer);
  EXPECT_GT(size.width, 60);
  EXPECT_GT(size.height, 8 + 15);
  int text_pixels = 0;
  for (int y = 0; y < size.height; ++y) {
    for (int x = 0; x < size.width; ++x) {
      const bool text = ColourAt(layer, x, y) == Rgb{255, 255, 0} && AlphaAt(layer, x, y) == 200;
      const bool back = ColourAt(layer, x, y) == Rgb{0, 0, 128} && AlphaAt(layer, x, y) == 60;
      ASSERT_TRUE(text || back) << x << "," << y;
      text_pixels += text;
      // Nothing is drawn in the padding.
      if (x < 4 || y < 4 || x >= size.width - 4 || y >= size.height - 4) {
        EXPECT_TRUE(back) << x << "," << y;
      }
    }
  }
  EXPECT_GT(text_pixels, 50);
}

TEST(TextLayer, VectorTextIsSmoothedAndBlendsTheOpacities) {
  Settings s = TextWatermark("Marlenta");
  s.text_antialiasing = 1;
  s.back_opacity = 100;
  const auto font = LoadWatermarkFont(s);
  ASSERT_TRUE(font);
  const Picture layer = TextLayer({"Marlenta"}, s, *font);
  ASSERT_TRUE(layer);
  bool partial = false, full = false;
  for (int y = 0; y < SizeOf(layer).height; ++y) {
    for (int x = 0; x < SizeOf(layer).width; ++x) {
      const int alpha = AlphaAt(layer, x, y);
      ASSERT_GE(alpha, 100);
      full |= alpha == 255 && ColourAt(layer, x, y) == Rgb{255, 255, 255};
      partial |= alpha > 101 && alpha < 254;
    }
  }
  EXPECT_TRUE(full);
  EXPECT_TRUE(partial);
  EXPECT_EQ((Rgb{0, 0, 0}), ColourAt(layer, 0, 0));
}

TEST(TextLayer, CentresEachLineOfSeveral) {
  for (int smooth : {0, 1}) {
    SCOPED_TRACE(smooth);
    Settings s = TextWatermark("");
    s.text_alignment = 1;
    s.text_antialiasing = static_cast<std::int8_t>(smooth);
    s.back_opacity = 255;
    const auto font = LoadWatermarkFont(s);
    ASSERT_TRUE(font);
    const Picture layer = TextLayer({"Photo IMG0001", "2023"}, s, *font);
    ASSERT_TRUE(layer);
    const int width = SizeOf(layer).width, half = SizeOf(layer).height / 2;
    const auto [first, last] = InkColumns(layer, {255, 255, 255}, half, SizeOf(layer).height);
    ASSERT_GE(first, 0);
    EXPECT_NEAR(first, width - 1 - last, 3);
    EXPECT_GT(first, width / 4);
  }
}

TEST(TextLayer, UnderlineDrawsALineUnderTheText) {
  Settings s = TextWatermark("");
  s.back_opacity = 255;
  const auto plain_font = LoadWatermarkFont(s);
  s.font_effect = 1;
  const auto underlined_font = LoadWatermarkFont(s);
  ASSERT_TRUE(plain_font && underlined_font);
  const Picture plain = TextLayer({"a a"}, s, *plain_font);
  const Picture underlined = TextLayer({"a a"}, s, *underlined_font);
  const auto count = [](const Picture& layer) {
    int ink = 0;
    for (int y = 0; y < SizeOf(layer).height; ++y)
      for (int x = 0; x < SizeOf(layer).width; ++x)
        ink += ColourAt(layer, x, y) == Rgb{255, 255, 255};
    return ink;
  };
  EXPECT_GT(count(underlined), count(plain) + SizeOf(plain).width / 2);
}
