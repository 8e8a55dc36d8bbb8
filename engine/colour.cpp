#include "engine/colour.h"

Picture AdjustColours(Picture pic, const Settings&) { return pic; }

Picture Greyscale(Picture pic, const Settings&) { return pic; }

Picture Threshold(Picture pic, const Settings&) { return pic; }

Picture Dither(Picture pic, const Settings&) { return pic; }
