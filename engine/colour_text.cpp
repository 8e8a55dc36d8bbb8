#include "engine/colour_text.h"

#include <charconv>

namespace {

std::uint8_t HexPair(std::string_view pair) {
  unsigned value = 0;
  std::from_chars(pair.data(), pair.data() + pair.size(), value, 16);
  return static_cast<std::uint8_t>(value);
}

}  // namespace

Rgb ColourFromText(std::string_view text) {
  if (text.size() != 6)
    return {};
  return {HexPair(text.substr(0, 2)), HexPair(text.substr(2, 2)), HexPair(text.substr(4, 2))};
}
