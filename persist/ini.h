#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The INI reader shared by the configuration file and the profiles. Reading
// rules: a UTF-8 byte-order mark means UTF-8; without one the bytes are UTF-8
// when they are valid UTF-8, otherwise ISO 8859-1 (converted to UTF-8 here).
// Leading blanks and tabs are skipped; ";" starts a comment; "[" opens a group
// whose name runs to the next "]" or the line end; any other line with "="
// holds a key (to the first "=", trailing blanks and tabs cut) and a value
// (blanks and tabs cut at both ends). Lines end in CR LF, LF or CR. Group
// names and keys compare without case; only the first group of a name counts,
// and within it the first occurrence of a key.

/// A key line of a group, in file order. A line without "=" keeps its trimmed
/// text as the key, an empty value and `has_equals` false.
struct IniLine {
  std::string_view key;
  std::string_view value;
  bool has_equals = true;
};

struct IniGroup {
  std::string_view name;
  std::vector<IniLine> lines;
};

/// A parsed INI file; the views point into text it owns, so it is move-only
/// and the views stay valid as long as the file object lives.
class IniFile {
 public:
  /// Larger files are not configuration files or profiles: reading one fails
  /// instead of spending memory on it.
  static constexpr std::size_t kMaxBytes = 4 << 20;

  /// Parses bytes as stored on disk.
  explicit IniFile(std::string_view bytes);
  IniFile(IniFile&&) noexcept = default;
  IniFile& operator=(IniFile&&) noexcept = default;

  /// Reads and parses a file; nothing when it is missing, a folder,
  /// unreadable or larger than kMaxBytes.
  static std::optional<IniFile> Read(const std::string& path);

  /// The first group of that name (compared without case), or null.
  const IniGroup* FindGroup(std::string_view name) const;

  /// The value of the first line with "=" whose key matches (without case) in
  /// the first group of that name; nothing when either is missing.
  std::optional<std::string_view> Find(std::string_view group, std::string_view key) const;

 private:
  std::unique_ptr<const std::string> text_;  // decoded UTF-8, stable under moves
  std::vector<IniGroup> groups_;
};

/// The text of INI bytes as UTF-8, by the encoding rule above; invalid
/// sequences after a byte-order mark become U+FFFD.
std::string DecodeIniText(std::string_view bytes);
