#pragma once

#include <FreeImage.h>

#include <memory>

struct FreeImageUnload {
  void operator()(FIBITMAP* dib) const { FreeImage_Unload(dib); }
};

/// The one owner of a FreeImage picture; empty when a step could not make one.
/// Every engine step takes a Picture by value and returns the one to go on
/// with, so whatever it replaced is released when the old owner goes away.
using Picture = std::unique_ptr<FIBITMAP, FreeImageUnload>;

/// Takes ownership of a raw result of a FreeImage call (null gives empty).
inline Picture Adopt(FIBITMAP* dib) { return Picture(dib); }

/// An independent copy, or empty when `pic` is empty or memory ran out.
inline Picture Clone(const Picture& pic) {
  return pic ? Picture(FreeImage_Clone(pic.get())) : Picture();
}

/// A picture size in pixels.
struct Size {
  int width = 0;
  int height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

/// The size of a picture, {0, 0} when it is empty.
inline Size SizeOf(const Picture& pic) {
  if (!pic)
    return {};
  return {static_cast<int>(FreeImage_GetWidth(pic.get())),
          static_cast<int>(FreeImage_GetHeight(pic.get()))};
}
