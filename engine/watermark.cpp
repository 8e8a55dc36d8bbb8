#include "engine/watermark.h"

#include "engine/depth24.h"
#include "engine/image_layer.h"
#include "engine/layer.h"
#include "engine/placement.h"
#include "engine/text_layer.h"
#include "engine/watermark_font.h"

namespace {

Picture MakeLayer(const Settings& s, const PlaceholderValues& values, const WatermarkFont* font) {
  if (s.do_watermark == codes::kTextWatermark)
    return font ? TextLayer(SplitLines(WatermarkText(s, values)), s, *font) : Picture();
  if (s.do_watermark == codes::kImageWatermark)
    return ImageLayer(LoadWatermarkPicture(s.image), s);
  return {};
}

// The layer goes onto a transparent canvas with FreeImage_Paste at alpha
// 255, which blends rather than copies: every channel, alpha included,
// comes out as value × 255 / 256. The canvas is only as large as the layer,
// since the rest of a picture-sized one would stay transparent.
Picture OnCanvas(const Picture& layer) {
  const Size size = SizeOf(layer);
  Picture canvas = Adopt(FreeImage_AllocateT(FIT_BITMAP, size.width, size.height, 32));
  if (!canvas || !FreeImage_Paste(canvas.get(), layer.get(), 0, 0, 255))
    return {};
  return canvas;
}

}  // namespace

Picture DrawWatermark(Picture pic, Size size, const Settings& s, const PlaceholderValues& values,
                      const WatermarkFont* font) {
  if (!pic || s.do_watermark == codes::kNoWatermark)
    return pic;
  pic = To24Bits(std::move(pic));
  if (!pic)
    return pic;
  Picture layer = MakeLayer(s, values, font);
  if (!layer)
    return pic;
  const PlacementSettings placement = PlacementOf(s);
  if (placement.rotation >= 1 && placement.rotation <= 359)
    layer = Adopt(FreeImage_Rotate(layer.get(), placement.rotation, nullptr));
  const PixelRect room = WatermarkRoom(size, s, placement);
  const Size kept = CropSize(SizeOf(layer), room, placement);
  // No room left after the offsets: the picture goes on without a
  // watermark rather than failing as a whole.
  if (kept.width <= 0 || kept.height <= 0)
    return pic;
  if (layer && kept != SizeOf(layer))
    layer = Adopt(FreeImage_Copy(layer.get(), 0, 0, kept.width, kept.height));
  if (!layer)
    return pic;
  const PixelRect at = PlaceLayer(kept, room, placement);
  // A layer that would stick out of the picture is refused, as FreeImage
  // refuses such a paste.
  if (at.x < 0 || at.y < 0 || at.x + at.width > size.width || at.y + at.height > size.height)
    return pic;
  const Picture canvas = OnCanvas(layer);
  if (canvas)
    CompositeOver(pic.get(), canvas.get(), at.x, at.y);
  return pic;
}
