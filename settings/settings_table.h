#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "settings/settings.h"

// One row per setting drives the defaults, the configuration file, the
// command-line options, the profiles and the debug lines: a new setting is
// one new row, never a new branch somewhere else.

/// How a setting is stored (and so how the configuration file reads it).
enum class Kind : std::uint8_t {
  kFlag,    // int8, 0 off, anything else on; the file keeps the low 8 bits
  kCode,    // int8 enumerated code; the file keeps the low 8 bits
  kInt,     // int32
  kFloat,   // float
  kText,    // any text
  kColour,  // six hex digits RRGGBB
  kDate,    // seconds since 1970-01-01 local time
};

/// How an option or profile key turns its value text into the setting.
enum class OptionKind : std::uint8_t { kNone, kInteger, kDecimal, kName, kText, kFlag };

struct ValueName {
  int code;
  std::string_view name;   // command line, profiles, debug lines: "BICUBIC"
  std::string_view label;  // what the preferences window shows: "Bicubic"
};

using Field = std::variant<std::int8_t Settings::*, std::int32_t Settings::*,
                           std::int64_t Settings::*, float Settings::*, std::string Settings::*>;

/// A setting that an option also changes, with the value it sets.
struct SideEffect {
  std::int8_t Settings::*field = nullptr;
  std::int8_t value = 1;
};

/// Defaults that are not constants; the row's default text names one of these.
inline constexpr std::string_view kDefaultNow = "{now}";
inline constexpr std::string_view kDefaultFirstInput = "{first-input}";
inline constexpr std::string_view kDefaultFirstOutput = "{first-output}";
inline constexpr std::string_view kDefaultCentreX = "{centre-x}";
inline constexpr std::string_view kDefaultCentreY = "{centre-y}";
inline constexpr std::string_view kDefaultKeepAspect = "{keep-aspect}";

struct SettingRow {
  std::string_view group;  // configuration group
  std::string_view key;    // configuration key
  Kind kind;
  Field field;
  std::string_view reset_default;         // as the configuration file writes it, or a {token}
  std::string_view absent_default;        // when the file lacks the key
  std::string_view format = {};           // "" for every format, else the extension it belongs to
  std::span<const ValueName> names = {};  // code <-> name, debug lines, labels
  std::span<const ValueName> decode_names = {};  // name -> code when it differs (compressions)
  std::string_view option = {};                  // "--WIDTH"; "" when no option sets it
  OptionKind option_kind = OptionKind::kNone;
  std::int8_t flag_value = 1;         // what a flag option stores
  SideEffect side_effect = {};        // the switch an option also turns on
  std::string_view profile_key = {};  // when the profile key differs from option

  // Chained setters keep the table one line per setting.
  SettingRow& Absent(std::string_view text) {
    absent_default = text;
    return *this;
  }

  SettingRow& Format(std::string_view ext) {
    format = ext;
    return *this;
  }

  SettingRow& Names(std::span<const ValueName> list) {
    names = list;
    return *this;
  }

  SettingRow& Decode(std::span<const ValueName> list) {
    decode_names = list;
    return *this;
  }

  SettingRow& Opt(std::string_view name, OptionKind how) {
    option = name;
    option_kind = how;
    return *this;
  }

  SettingRow& Sets(std::int8_t value) {
    flag_value = value;
    return *this;
  }

  SettingRow& Turns(std::int8_t Settings::*switch_field, std::int8_t value = 1) {
    side_effect = {switch_field, value};
    return *this;
  }

  SettingRow& InProfileAs(std::string_view key) {
    profile_key = key;
    return *this;
  }
};

/// Every setting, in the order the configuration file writes them.
std::span<const SettingRow> SettingRows();

/// The row of a configuration key (group and key compared without case), or null.
const SettingRow* FindSetting(std::string_view group, std::string_view key);

/// The row whose option (or, for profiles, profile key) equals an upper-cased name, or null.
const SettingRow* FindOption(std::string_view upper_name, bool in_profile);

/// What a reset needs to know that the record cannot: the moment, the desktop
/// and the registered extension lists.
struct ResetContext {
  bool keep_proportions = false;  // true: `Keep Aspect Ratio` 0 (the command line)
  std::int64_t now = 0;
  int desktop_width = 0;  // 0 when there is no desktop
  int desktop_height = 0;
  std::string first_input_extension = "pcd";
  std::string first_output_extension = "tiff";
};

/// Sets every field to its reset default.
void ResetSettings(Settings& s, const ResetContext& context);

/// A record holding every reset default.
Settings DefaultSettings(const ResetContext& context = {});

/// Resolves a row's default text (reset or absent) to the text stored.
std::string DefaultText(const SettingRow& row, std::string_view text, const ResetContext& context);

/// Stores a configuration-file style value text into the row's field: numbers
/// by the file's rules (leading sign and digits; flags and codes keep the low
/// 8 bits), texts as they are.
void StoreText(Settings& s, const SettingRow& row, std::string_view text);

/// The value as the configuration file writes it (gamma with six decimals).
std::string FieldText(const Settings& s, const SettingRow& row);

/// Name to code: trims blanks, compares without case; unknown names give 0.
int NameToCode(std::span<const ValueName> names, std::string_view text);

/// Code to name in lower case, or "" for a code without a name.
std::string CodeToName(std::span<const ValueName> names, int code);

/// Reads a configuration number: optional blanks, sign, decimal digits; stops
/// at the first other character; no digits give 0.
std::int64_t ReadConfigNumber(std::string_view text);

/// The integer value of a field of any numeric kind (texts give 0).
std::int64_t NumericValue(const Settings& s, const SettingRow& row);
