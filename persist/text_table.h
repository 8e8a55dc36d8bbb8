#pragma once

#include <span>
#include <string>
#include <string_view>

// The built-in interface texts, looked up by group and key so that wording is
// data and not code. Lookups are read-only and safe from any thread.

struct TextRow {
  std::string_view key;
  std::string_view text;
  bool colon = false;  // the shown text is `text` followed by ":"
};

struct TextGroup {
  std::string_view name;
  std::span<const TextRow> rows;
};

/// The table as written, group by group.
std::span<const TextGroup> BuiltInTexts();

inline constexpr std::string_view kNoStringError = "%NO_STRING_ERROR%";

/// The text of `key` in `group`, both matched without regard to case, or
/// kNoStringError when either is not in the table.
std::string Text(std::string_view group, std::string_view key);

/// `text` with every "%s1%" (any case) replaced by s1, then "%s2%" by s2 in
/// the result, and so on to s4. An empty argument leaves its placeholder.
std::string FormatText(std::string text, std::string_view s1 = {}, std::string_view s2 = {},
                       std::string_view s3 = {}, std::string_view s4 = {});
