#pragma once

#include "engine/picture.h"
#include "settings/settings.h"

// Every step takes the picture and returns the one to go on with (see picture.h).

/// Brightness, contrast, gamma and invert in one step.
Picture AdjustColours(Picture pic, const Settings& s);
Picture Greyscale(Picture pic, const Settings& s);
Picture Threshold(Picture pic, const Settings& s);
Picture Dither(Picture pic, const Settings& s);
