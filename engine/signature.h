#pragma once

#include <span>
#include <string>
#include <string_view>

// Names a file's type from its first bytes, for the debug line of a
// conversion; nothing else depends on the answer.

struct SignatureRow {
  // Hexadecimal bytes from offset 0; "; at N:" starts a further run at
  // offset N: "52 49 46 46; at 8: 57 41 56 45".
  std::string_view pattern;
  std::string_view name;
};

inline constexpr std::string_view kUnrecognized = "[ERROR] UNRECOGNIZED";

std::span<const SignatureRow> SignatureRows();

/// The name of the last row that `head` (a file's first bytes) matches, or
/// kUnrecognized.
std::string_view SignatureOf(std::string_view head);

/// The name of the file's type from its first 20 bytes, or kUnrecognized
/// when they match no row, the file is empty or it cannot be read.
std::string SignatureName(const std::string& path);
