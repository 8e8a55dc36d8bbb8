#pragma once

#include <string>
#include <string_view>

// Case changes for all of Unicode on UTF-8 text, through the C library's
// wide-character tables of a UTF-8 locale. The locale is private to these
// functions, so they are safe from any thread whatever the process locale is.
// Bytes that are not valid UTF-8 are copied unchanged.

std::string ToUpper(std::string_view utf8);

std::string ToLower(std::string_view utf8);
