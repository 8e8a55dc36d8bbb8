#include "engine/naming.h"

#include <array>
#include <cctype>
#include <cstdio>

#include "platform/clock.h"
#include "platform/text_case.h"

namespace {

std::string TitleCase(std::string_view text) {
  if (text.empty())
    return {};
  // The first character may be several bytes long; find where it ends.
  std::size_t first = 1;
  while (first < text.size() && (static_cast<unsigned char>(text[first]) & 0xC0) == 0x80)
    ++first;
  return ToUpper(text.substr(0, first)) + ToLower(text.substr(first));
}

std::string TwoDigits(int value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%02d", value);
  return buffer;
}

std::string FiveDigits(std::int64_t value) {
  std::string text = std::to_string(value);
  if (text.size() < 5)
    text.insert(0, 5 - text.size(), '0');
  return text.substr(0, 5);
}

LocalTime Clock(const PlaceholderValues& v) {
  return ToLocalTime(v.now ? v.now() : SystemClock().Now());
}

struct Placeholder {
  std::string_view name;
  std::string (*value)(const PlaceholderValues&);
};

// clang-format off
constexpr std::array<Placeholder, 19> kPlaceholders = {{
    {"%filename%",    [](const PlaceholderValues& v) { return NameWithoutExtension(v.input_path); }},
    {"%filename[u]%", [](const PlaceholderValues& v) { return ToUpper(NameWithoutExtension(v.input_path)); }},
    {"%filename[l]%", [](const PlaceholderValues& v) { return ToLower(NameWithoutExtension(v.input_path)); }},
    {"%filename[t]%", [](const PlaceholderValues& v) { return TitleCase(NameWithoutExtension(v.input_path)); }},
    {"%ext%",         [](const PlaceholderValues& v) { return v.output_extension; }},
    {"%ext[u]%",      [](const PlaceholderValues& v) { return ToUpper(v.output_extension); }},
    {"%ext[t]%",      [](const PlaceholderValues& v) { return TitleCase(v.output_extension); }},
    {"%yyyy%",        [](const PlaceholderValues& v) { return std::to_string(Clock(v).year); }},
    {"%mm%",          [](const PlaceholderValues& v) { return TwoDigits(Clock(v).month); }},
    {"%dd%",          [](const PlaceholderValues& v) { return TwoDigits(Clock(v).day); }},
    {"%hh%",          [](const PlaceholderValues& v) { return TwoDigits(Clock(v).hour); }},
    {"%ii%",          [](const PlaceholderValues& v) { return TwoDigits(Clock(v).minute); }},
    {"%ss%",          [](const PlaceholderValues& v) { return TwoDigits(Clock(v).second); }},
    {"%bpp%",         [](const PlaceholderValues& v) { return std::to_string(v.bit_depth); }},
    {"%width%",       [](const PlaceholderValues& v) { return std::to_string(v.width); }},
    {"%height%",      [](const PlaceholderValues& v) { return std::to_string(v.height); }},
    {"%frame%",       [](const PlaceholderValues& v) { return std::to_string(v.frame); }},
    {"%rnd%",         [](const PlaceholderValues& v) { return FiveDigits(v.random_number); }},
    {"%n%",           [](const PlaceholderValues& v) { return FiveDigits(v.file_counter); }},
}};

// clang-format on

// Placeholders are ASCII, so an ASCII fold finds them in any UTF-8 text.
std::size_t FindNoCase(const std::string& text, std::string_view word, std::size_t from) {
  if (word.empty() || text.size() < word.size())
    return std::string::npos;
  for (std::size_t i = from; i + word.size() <= text.size(); ++i) {
    std::size_t k = 0;
    while (k < word.size()
           && std::tolower(static_cast<unsigned char>(text[i + k]))
                  == std::tolower(static_cast<unsigned char>(word[k])))
      ++k;
    if (k == word.size())
      return i;
  }
  return std::string::npos;
}

// The value is made only when the placeholder is there: date placeholders
// read the clock and the others build texts.
std::string ReplaceEvery(std::string text, const Placeholder& p, const PlaceholderValues& values) {
  std::size_t at = FindNoCase(text, p.name, 0);
  if (at == std::string::npos)
    return text;
  const std::string value = p.value(values);
  while (at != std::string::npos) {
    text.replace(at, p.name.size(), value);
    at = FindNoCase(text, p.name, at + value.size());
  }
  return text;
}

}  // namespace

std::string NameWithoutExtension(std::string_view path) {
  // Only '/' separates folders here; a backslash is an ordinary character of
  // a Linux file name.
  const std::size_t slash = path.rfind('/');
  std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  const std::size_t dot = name.rfind('.');
  return std::string(dot == std::string_view::npos ? name : name.substr(0, dot));
}

std::string ReplacePlaceholder(std::string text, std::string_view placeholder,
                               const PlaceholderValues& values) {
  for (const Placeholder& p : kPlaceholders)
    if (p.name.size() == placeholder.size() && FindNoCase(std::string(placeholder), p.name, 0) == 0)
      return ReplaceEvery(std::move(text), p, values);
  return text;
}

std::string ReplacePlaceholders(std::string text, const PlaceholderValues& values) {
  for (const Placeholder& p : kPlaceholders)
    text = ReplaceEvery(std::move(text), p, values);
  return text;
}

std::string ExpandMask(std::string_view mask, const PlaceholderValues& values) {
  std::string text = ToLower(mask);
  if (text.empty())
    text = "%filename%.%ext%";
  return ReplacePlaceholders(std::move(text), values);
}

std::string OutputPath(const std::string& output_folder, const std::string& subfolder,
                       bool keep_subfolders, std::string_view mask,
                       const PlaceholderValues& values) {
  return output_folder + (keep_subfolders ? subfolder : std::string()) + ExpandMask(mask, values);
}
