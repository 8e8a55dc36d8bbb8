#include "converter/arguments.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace pcd {

namespace {

// ImageMagick options that take values, so a value is never read as an
// operand; every other option is a flag.
struct OptionArity {
  std::string_view name;
  int values;
};

constexpr OptionArity kOptionsWithValues[] = {
    {"colorspace", 1}, {"orient", 1},   {"depth", 1},   {"define", 1}, {"density", 1},
    {"type", 1},       {"compress", 1}, {"quality", 1}, {"gamma", 1},  {"interlace", 1},
    {"units", 1},      {"limit", 2},    {"set", 2}};

int ValuesOf(std::string_view option) {
  // ImageMagick reads "-name" and "+name" alike and ignores case.
  std::string name(option.substr(1));
  std::transform(name.begin(), name.end(), name.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  for (const OptionArity& o : kOptionsWithValues) {
    if (o.name == name)
      return o.values;
  }
  return 0;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size()
         && std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
              return std::tolower(static_cast<unsigned char>(a))
                     == std::tolower(static_cast<unsigned char>(b));
            });
}

bool EndsWithNoCase(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size()
         && StartsWithNoCase(text.substr(text.size() - suffix.size()), suffix);
}

// Splits "<path>[n]" into path and level; a trailing bracket that is not a
// plain level number is an error rather than part of the name, as it would
// be for ImageMagick.
bool SplitLevel(std::string_view text, Request* request, std::string* err) {
  if (text.empty() || text.back() != ']') {
    request->input = std::string(text);
    return true;
  }
  const std::size_t open = text.rfind('[');
  const std::string_view digits =
      open == std::string_view::npos ? "" : text.substr(open + 1, text.size() - open - 2);
  if (digits.empty() || digits.size() > 3 || !std::all_of(digits.begin(), digits.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c));
      })) {
    *err = "the input's [n] must be a level number";
    return false;
  }
  request->level = std::stoi(std::string(digits));
  request->input = std::string(text.substr(0, open));
  return true;
}

}  // namespace

std::optional<Request> ParseArguments(const std::vector<std::string>& args, std::string* err) {
  std::vector<std::string_view> operands;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (arg.size() > 1 && (arg[0] == '-' || arg[0] == '+')) {
      const int values = ValuesOf(arg);
      if (i + values >= args.size()) {
        *err = "option " + args[i] + " needs a value";
        return std::nullopt;
      }
      i += values;
      continue;
    }
    operands.push_back(arg);
  }
  if (operands.size() != 2) {
    *err = "usage: marlenta-pcd [options] pcd:<input.pcd>[n] tga:<output.tga>";
    return std::nullopt;
  }
  Request request;
  std::string_view input = operands[0];
  if (StartsWithNoCase(input, "pcd:"))
    input.remove_prefix(4);
  if (!SplitLevel(input, &request, err))
    return std::nullopt;
  std::string_view output = operands[1];
  if (StartsWithNoCase(output, "tga:"))
    output.remove_prefix(4);
  else if (!EndsWithNoCase(output, ".tga")) {
    *err = "the output must be tga:<path> or end in .tga";
    return std::nullopt;
  }
  request.output = std::string(output);
  if (request.input.empty() || request.output.empty()) {
    *err = "empty input or output path";
    return std::nullopt;
  }
  return request;
}

}  // namespace pcd
