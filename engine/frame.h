#pragma once

#include "engine/picture.h"
#include "settings/settings.h"

/// Draws the solid frame inside a picture of size `size`.
Picture DrawFrame(Picture pic, Size size, const Settings& s);
