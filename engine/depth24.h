#pragma once

#include "engine/picture.h"

/// The picture as 24-bit RGB (the same picture when it already is); the
/// picture it replaces is released. Pictures of a type FreeImage cannot turn
/// into 24 bits directly (floating point, for example) go through its
/// standard 8-bit type first. Empty when the conversion fails.
Picture To24Bits(Picture pic);
