#pragma once

#include <cstdint>
#include <string_view>

#include "settings/settings_table.h"

// How option and profile values become settings. The command line and the
// profiles prepare the text by their own rules (quote joining, trimming);
// from there on both go through here.

/// A whole number: blanks and tabs skipped, optional sign, then decimal
/// digits, "$" and hexadecimal digits, or "%" and binary digits; reading
/// stops at the first other character; no digits give 0. Wraps to 32 bits.
std::int32_t ReadOptionInteger(std::string_view text);

/// A decimal number with "." as separator, or Infinity / NaN in any case,
/// read as far as it goes ("1,5" gives 1); text that is no number gives 0.
float ReadOptionDecimal(std::string_view text);

/// Stores a prepared value into the row's setting by its option kind and
/// applies the switch the option also turns on. Flags ignore the value.
void ApplyOption(Settings& s, const SettingRow& row, std::string_view value);
