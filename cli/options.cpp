#include "cli/options.h"

#include <optional>
#include <span>

#include "cli/profile.h"
#include "platform/text_case.h"
#include "settings/option_value.h"
#include "settings/settings_table.h"

namespace {

std::string_view TrimSpaces(std::string_view text) {
  while (!text.empty() && text.front() == ' ')
    text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ')
    text.remove_suffix(1);
  return text;
}

std::string StripQuotes(std::string_view text) {
  while (!text.empty() && text.front() == '"')
    text.remove_prefix(1);
  while (!text.empty() && text.back() == '"')
    text.remove_suffix(1);
  return std::string(text);
}

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

// How an option finds its value.
enum class Takes {
  kNothing,      // a flag: anything after "=" is ignored
  kShortOrLong,  // "-i FILE" (next parameter) or "--input=FILE"
  kLong,         // "--width=NUM" only
};

struct Loop {
  const std::vector<std::string>& args;
  std::size_t index = 0;
  Settings& s;
  JobState& job;
  ParsedOptions result;
};

// A value that opens a double quote but does not close it goes on over the
// following parameters, joined by one space, until one closes it.
std::string JoinQuoted(Loop& loop, std::string value) {
  const auto open = [](const std::string& v) {
    return !v.empty() && v.front() == '"' && v.back() != '"';
  };
  if (!open(value))
    return value;
  while (loop.index + 1 < loop.args.size()) {
    value += ' ' + OptionValue(loop.args[++loop.index]);
    if (value.back() == '"')
      break;
  }
  return value;
}

// The value text of the option at loop.index, or nothing when it is missing.
std::optional<std::string> TakeValue(Loop& loop, const std::string& name, Takes takes) {
  if (takes == Takes::kNothing)
    return std::string();
  // "-i FILE" takes the next parameter; "--input=FILE" and long options
  // their own text after "=".
  if (takes == Takes::kShortOrLong && !StartsWith(name, "--"))
    ++loop.index;
  std::string value =
      loop.index < loop.args.size() ? OptionValue(loop.args[loop.index]) : std::string();
  // A long option's value may start with one dash (-50); the input, output
  // and conversion values may not.
  const std::string_view forbidden = takes == Takes::kShortOrLong ? "-" : "--";
  if (value.empty() || StartsWith(value, forbidden))
    return std::nullopt;
  return value;
}

struct FrontOption {
  std::string_view short_name;  // "" when there is none
  std::string_view long_name;
  Takes takes;
  bool joins;  // quote joining, then every surrounding quote removed
  void (*apply)(Loop&, std::string value);
};

// The options that act on the job rather than on a setting; every other
// option is a row of the settings table.
// clang-format off
constexpr FrontOption kFrontOptions[] = {
    {"-I", "--INPUT",      Takes::kShortOrLong, true,
     [](Loop& l, std::string v) { l.job.input_path = std::move(v); l.job.input_named = true; }},
    {"-O", "--OUTPUT",     Takes::kShortOrLong, true,
     [](Loop& l, std::string v) { l.job.output_folder = std::move(v); }},
    {"-C", "--CONVERSION", Takes::kShortOrLong, false,
     [](Loop& l, std::string v) { l.job.output_extension = std::move(v); }},
    {"",   "--PROFILE",    Takes::kLong,        true,
     [](Loop& l, std::string v) { if (!ReadProfile(v, l.s)) l.result.error = "Invalid profile file"; }},
    {"-D", "--DEBUG",      Takes::kNothing,     false,
     [](Loop& l, std::string) { l.job.run_mode = RunMode::kDebug; }},
    {"-Q", "--QUIET",      Takes::kNothing,     false,
     [](Loop& l, std::string) { l.result.quiet = true; }},
    {"-P", "--PAUSE",      Takes::kNothing,     false,
     [](Loop& l, std::string) { l.result.pause = true; }},
};

// clang-format on

const FrontOption* FindFrontOption(const std::string& name) {
  for (const FrontOption& option : kFrontOptions)
    if (name == option.long_name || (!option.short_name.empty() && name == option.short_name))
      return &option;
  return nullptr;
}

Takes SettingTakes(const SettingRow& row) {
  return row.option_kind == OptionKind::kFlag ? Takes::kNothing : Takes::kLong;
}

void MissingValue(Loop& loop) {
  loop.result.error = "Incorrect number of parameters";
}

// One parameter; false when the loop must stop.
bool ParseOne(Loop& loop) {
  const std::string name = OptionName(loop.args[loop.index]);
  if (const FrontOption* option = FindFrontOption(name)) {
    std::optional<std::string> value = TakeValue(loop, name, option->takes);
    if (!value) {
      MissingValue(loop);
      return false;
    }
    option->apply(loop, option->joins ? StripQuotes(JoinQuoted(loop, std::move(*value)))
                                      : StripQuotes(*value));
    return loop.result.error.empty();
  }
  const SettingRow* row = FindOption(name, false);
  if (!row)
    return true;
  std::optional<std::string> value = TakeValue(loop, name, SettingTakes(*row));
  if (!value) {
    MissingValue(loop);
    return false;
  }
  if (row->option_kind == OptionKind::kText)
    *value = StripQuotes(JoinQuoted(loop, std::move(*value)));
  ApplyOption(loop.s, *row, *value);
  return true;
}

}  // namespace

std::string OptionName(std::string_view parameter) {
  const std::string_view trimmed = TrimSpaces(parameter);
  std::string_view name;
  if (StartsWith(trimmed, "--"))
    name = trimmed.substr(0, trimmed.find('='));
  else if (StartsWith(trimmed, "-"))
    name = trimmed;
  return ToUpper(name);
}

std::string OptionValue(std::string_view parameter) {
  const std::string_view trimmed = TrimSpaces(parameter);
  if (StartsWith(trimmed, "--")) {
    if (const std::size_t equals = trimmed.find('='); equals != std::string_view::npos)
      return std::string(trimmed.substr(equals + 1));
  }
  return std::string(trimmed);
}

ParsedOptions ParseOptions(const std::vector<std::string>& args, Settings& s, JobState& job) {
  Loop loop{args, 0, s, job, {}};
  for (; loop.index < args.size(); ++loop.index)
    if (!ParseOne(loop))
      break;
  return loop.result;
}
