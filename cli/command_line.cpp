#include "cli/command_line.h"

#include <cstdio>

std::optional<int> RunCommandLine(const std::vector<std::string>& args) {
  if (args.empty())
    return std::nullopt;
  std::fputs("Error: the console front end is not available in this build\n", stdout);
  return kExitError;
}
