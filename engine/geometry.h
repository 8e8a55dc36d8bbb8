#pragma once

#include "engine/picture.h"
#include "settings/settings.h"

// Every step takes the picture and returns the one to go on with (see
// picture.h); a step whose setting is off hands the picture back untouched.

/// Turns the picture by `[Transform] Image Rotation` degrees (1..359 only).
/// Simple rotation grows the canvas and fills the corners with
/// `Image Rotation Back Color`; advanced rotation keeps the size. Pictures of
/// 16 bits or less, or above 32, are turned as 24-bit ones.
Picture Rotate(Picture pic, const Settings& s);

/// Rescales a picture whose size is `known` to ResizeTarget(known, s).
Picture Resize(Picture pic, Size known, const Settings& s);

/// Mirrors left to right, then top to bottom, in place.
Picture Flip(Picture pic, const Settings& s);

/// The size Resize scales a `current`-sized picture to; `current` itself when
/// the picture is left alone (resizing off, a target of 0 or below, a
/// picture already of that size, or one smaller than the target in both
/// directions under LARGEIMAGES). With `Keep Aspect Ratio` the longer side's
/// target is kept and the other follows from the picture's ratio, taken in
/// 32-bit float; a side never comes out below 1.
Size ResizeTarget(Size current, const Settings& s);

/// FreeImage's filter for an `Image Resize Algorithm` code (bicubic for
/// unknown codes).
FREE_IMAGE_FILTER ResizeFilter(int algorithm);
