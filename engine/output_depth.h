#pragma once

#include <cstdint>
#include <string_view>

#include "engine/picture.h"
#include "settings/settings.h"

struct JobState;

/// The flags handed to the saver for an output extension, from that format's
/// settings (0 for formats without any).
std::int32_t SaveFlags(std::string_view output_extension, const Settings& s);

/// The bit-depth setting of an output format (`TIFF BPP` for "tiff"), or 0
/// for an extension without one.
int BitDepthSetting(std::string_view output_extension, const Settings& s);

/// The job's output fields for a run, once before the first file: format id,
/// bit depth (0 = automatic), automatic flag and save flags, all from the
/// job's output extension.
void PrepareOutput(JobState& job, const Settings& s);

/// Converts to the job's output bit depth, resolving it first from the source
/// depth when automatic. Takes the picture; returns it unchanged when the
/// depth already matches, else the converted copy (the given one released).
/// Empty in, empty out; a depth that has no conversion gives empty.
Picture ConvertToOutputDepth(Picture pic, JobState& job);
