#pragma once

#include <cstdint>
#include <string_view>

/// A colour of the settings record, one byte per channel.
struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

/// Reads a colour text: six hexadecimal digits, two each for red, green and
/// blue. A text of any other length is black; a pair that does not start
/// with a hexadecimal digit reads as 0.
Rgb ColourFromText(std::string_view text);
