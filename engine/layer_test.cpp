#include "engine/layer.h"

#include <cstdint>
#include <cstring>
#include <random>

#include <gtest/gtest.h>

#include "tests/helpers/edit_pictures.h"

namespace {

// A tile of random valid premultiplied pixels (no channel above alpha),
// with fully transparent and fully opaque ones among them.
CairoSurface RandomTile(int width, int height, std::mt19937& random) {
  CairoSurface tile = NewSurface(width, height);
  cairo_surface_flush(tile.get());
  unsigned char* data = cairo_image_surface_get_data(tile.get());
  const int stride = cairo_image_surface_get_stride(tile.get());
  for (int y = 0; y < height; ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(data + y * stride);
    for (int x = 0; x < width; ++x) {
      const unsigned kind = random() % 4;
      const unsigned alpha = kind == 0 ? 0 : kind == 1 ? 255 : random() % 256;
      const auto channel = [&] {
        return alpha == 0 ? 0u : random() % (alpha + 1);
      };
      row[x] = alpha << 24 | channel() << 16 | channel() << 8 | channel();
    }
  }
  cairo_surface_mark_dirty(tile.get());
  return tile;
}

// The surface as a 32-bit picture with straight alpha, un-premultiplied
// with rounding as Cairo's own PNG writer does.
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

// The long way round: fade with Cairo onto a transparent surface, take the
// result out as straight alpha and composite it with FreeImage.
void FadeAndComposite(const Picture& pic, cairo_surface_t* tile, int x, int y, int opacity) {
  const CairoSurface faded =
      NewSurface(cairo_image_surface_get_width(tile), cairo_image_surface_get_height(tile));
  const CairoContext cr = NewContext(faded);
  cairo_set_source_surface(cr.get(), tile, 0, 0);
  cairo_paint_with_alpha(cr.get(), opacity / 255.0);
  const Picture layer = PictureFromSurface(faded.get());
  ASSERT_TRUE(CompositeOver(pic.get(), layer.get(), x, y));
}

}  // namespace

TEST(BlendTile, GivesThePixelsOfFadingAndCompositing) {
  std::mt19937 random(7);
  const Picture background = NumberedPicture(40, 30);
  for (int opacity : {255, 254, 128, 77, 1}) {
    SCOPED_TRACE(opacity);
    const CairoSurface tile = RandomTile(24, 17, random);
    Picture expected = Clone(background);
    FadeAndComposite(expected, tile.get(), 9, 5, opacity);
    Picture blended = Clone(background);
    BlendTile(blended.get(), tile.get(), 9, 5, opacity);
    for (int y = 0; y < 30; ++y)
      for (int x = 0; x < 40; ++x)
        ASSERT_EQ(ColourAt(expected, x, y), ColourAt(blended, x, y)) << x << "," << y;
  }
}

TEST(CompositeOver, RefusesALayerThatSticksOut) {
  const Picture pic = FilledPicture(20, 10, {1, 2, 3});
  const Picture layer = FilledPicture(5, 5, {200, 0, 0}, 32);
  EXPECT_FALSE(CompositeOver(pic.get(), layer.get(), -1, 0));
  EXPECT_FALSE(CompositeOver(pic.get(), layer.get(), 16, 0));
  EXPECT_FALSE(CompositeOver(pic.get(), layer.get(), 0, 6));
  EXPECT_EQ((Rgb{1, 2, 3}), ColourAt(pic, 19, 9));
  EXPECT_TRUE(CompositeOver(pic.get(), layer.get(), 15, 5));
  EXPECT_EQ((Rgb{200, 0, 0}), ColourAt(pic, 19, 9));
  EXPECT_EQ((Rgb{1, 2, 3}), ColourAt(pic, 14, 9));
}
