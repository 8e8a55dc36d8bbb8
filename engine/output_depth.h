#pragma once

#include <cstdint>
#include <string_view>

#include "engine/picture.h"
#include "settings/settings.h"

struct JobState;

/// The flags handed to the saver for an output extension.
std::int32_t SaveFlags(std::string_view output_extension, const Settings& s);

/// Converts to the job's output bit depth (resolving it first when automatic,
/// from the source depth). Empty in, empty out.
Picture ConvertToOutputDepth(Picture pic, JobState& job);
