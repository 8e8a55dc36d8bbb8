#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "engine/job.h"
#include "settings/settings.h"
#include "settings/settings_table.h"

class WatermarkFont;

// The checks a console job makes before it touches a file, with their debug
// lines. Each returns the message of its first failure (to be printed after
// "Error: "), or nothing when every check passed.

/// Prints one debug line; empty when debug lines are off.
using DebugPrint = std::function<void(const std::string&)>;

/// A setting as a debug line shows it: the lower-case value name for coded
/// settings, 0 or 1 for switches, the gamma with two decimals, everything
/// else as the configuration file writes it.
std::string DebugValue(const Settings& s, const SettingRow& row);

/// A folder text made absolute against `current_folder` (both ending in
/// '/'): a leading "./" is dropped and a '/' appended. Fails with
/// `incorrect` for a text that begins with "..", and with `invalid` when the
/// result is not an existing folder or cannot be used as `access` asks.
struct FolderCheck {
  std::string_view incorrect;
  std::string_view invalid;
  int access;  // R_OK for inputs, W_OK | X_OK for the output folder
};

std::optional<std::string> NormaliseFolder(std::string& folder, const std::string& current_folder,
                                           const FolderCheck& check);

/// Whether an input text names a file: its last component holds a dot that
/// is not its first character and has no blank or '/' after it.
bool NamesFile(std::string_view input);

/// The debug lines of the input format's settings, then those of the output
/// format with its bit-depth (and quality) checks.
std::optional<std::string> CheckFormats(const Settings& s, const JobState& job,
                                        const DebugPrint& debug);

/// The edit settings in their fixed order: debug lines for the rows that
/// apply, range checks, and the watermark font or picture. A loaded text
/// watermark font is handed back through `font`.
std::optional<std::string> CheckEdits(const Settings& s, const DebugPrint& debug,
                                      std::shared_ptr<const WatermarkFont>* font);
