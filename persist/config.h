#pragma once

#include <span>
#include <string>
#include <string_view>

#include "settings/extensions.h"
#include "settings/settings.h"
#include "settings/settings_table.h"

// config.ini: the window mode's settings between runs. Every key, its group,
// its order and its defaults come from the settings table.

/// The format version this build writes as `CFG`; older files are migrated.
inline constexpr int kConfigVersion = 19;

/// The configuration file: "config.ini" in the data folder.
std::string ConfigPath();

/// Reads every setting from the file at `path` (a missing group or key takes
/// its absent default), then brings values of older format versions up to
/// date. When the file cannot be read the settings are reset to the window's
/// defaults instead (the context's keep-proportions choice is ignored: the
/// window keeps proportions). True when the file was read.
bool LoadConfig(const std::string& path, Settings& s, const ResetContext& context);

/// The file's bytes as SaveConfig writes them: byte-order mark, CR LF lines,
/// "key = value", "; " closing every group, [Window] keys only while
/// `Save Window Position` is on, and format options only for the extensions
/// listed. A line break inside a text is written as "%eol%", since a raw one
/// would cut the line and let the rest pass for a key of its own.
std::string ConfigText(const Settings& s,
                       std::span<const std::string_view> input_extensions = kInputExtensions,
                       std::span<const std::string_view> output_extensions = kOutputExtensions);

/// Replaces the file at `path` with ConfigText(s), atomically. False, silently
/// and with the old file untouched, when it cannot be written; the settings in
/// memory stay as they are.
bool SaveConfig(const std::string& path, const Settings& s);

/// The preferences window's Defaults: resets the settings to the window's
/// defaults and saves them at once. False when the save failed.
bool ResetConfig(const std::string& path, Settings& s, const ResetContext& context);
