#pragma once

#include <cstddef>
#include <string_view>

/// Where the digits of a number text start: after leading blanks and tabs
/// and an optional sign, which `negative` reports.
struct NumberStart {
  std::size_t pos = 0;
  bool negative = false;
};

inline NumberStart SkipBlanksAndSign(std::string_view text) {
  NumberStart start;
  while (start.pos < text.size() && (text[start.pos] == ' ' || text[start.pos] == '\t'))
    ++start.pos;
  if (start.pos < text.size() && (text[start.pos] == '+' || text[start.pos] == '-'))
    start.negative = text[start.pos++] == '-';
  return start;
}
