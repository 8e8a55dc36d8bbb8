#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/job.h"
#include "settings/settings.h"

// The option loop of the command line. Parameters arrive already split by
// the shell; the rules below act on each element as it stands.

/// The parameter trimmed of spaces; for "--" the part before the first "=",
/// for a single "-" the whole parameter, else ""; then upper-cased.
std::string OptionName(std::string_view parameter);

/// The parameter trimmed of spaces; for "--" with a "=" the part after it.
std::string OptionValue(std::string_view parameter);

/// What the loop leaves for the front end besides the settings and job state.
struct ParsedOptions {
  std::string error;  // "" when every option had what it needs
  bool quiet = false;
  bool pause = false;
};

/// Applies every option in order to `s` and `job`; stops at the first
/// missing value or unreadable profile. Unknown options and bare words are
/// skipped without a message; values are judged later by the job checks.
ParsedOptions ParseOptions(const std::vector<std::string>& args, Settings& s, JobState& job);
