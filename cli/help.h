#pragma once

#include <string>
#include <string_view>
#include <vector>

/// The help text, line by line: `program` is the running program's file name
/// without its extension, `input` an accepted input extension and `output`
/// the first output extension.
std::vector<std::string> HelpLines(std::string_view program, std::string_view input,
                                   std::string_view output);
