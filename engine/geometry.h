#pragma once

#include "engine/picture.h"
#include "settings/settings.h"

// Every step takes the picture and returns the one to go on with (see
// picture.h); a step whose setting is off hands the picture back untouched.

Picture Rotate(Picture pic, const Settings& s);
Picture Resize(Picture pic, Size known, const Settings& s);
Picture Flip(Picture pic, const Settings& s);
