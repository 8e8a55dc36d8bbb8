#pragma once

#include <string>
#include <string_view>

// Case changes for the whole Unicode range on UTF-8 text (the C library's
// wide-character rules under a UTF-8 locale); bytes that are not valid UTF-8
// pass through unchanged.
std::string ToUpper(std::string_view text);
std::string ToLower(std::string_view text);
