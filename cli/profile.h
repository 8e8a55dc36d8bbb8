#pragma once

#include <string>

#include "settings/settings.h"

/// Applies the keys of the group "CLI" of a profile file, in file order, to
/// the settings. False for an empty path or a file that cannot be opened; a
/// file without that group is accepted and changes nothing.
bool ReadProfile(const std::string& path, Settings& s);
