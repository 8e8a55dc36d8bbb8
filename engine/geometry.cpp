#include "engine/geometry.h"

Picture Rotate(Picture pic, const Settings&) { return pic; }

Picture Resize(Picture pic, Size, const Settings&) { return pic; }

Picture Flip(Picture pic, const Settings&) { return pic; }
