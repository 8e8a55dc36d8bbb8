#include "persist/ini.h"

#include <algorithm>
#include <cctype>

#include "platform/whole_file.h"

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view TrimLeft(std::string_view text) {
  while (!text.empty() && IsBlank(text.front()))
    text.remove_prefix(1);
  return text;
}

std::string_view TrimRight(std::string_view text) {
  while (!text.empty() && IsBlank(text.back()))
    text.remove_suffix(1);
  return text;
}

bool IsContinuation(unsigned char c) {
  return (c & 0xC0) == 0x80;
}

// Length of the well-formed UTF-8 sequence at `at` (no overlong forms, no
// surrogates, nothing above U+10FFFF), or 0 when there is none.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t at) {
  const auto byte = [&](std::size_t i) {
    return static_cast<unsigned char>(text[at + i]);
  };
  const unsigned char lead = byte(0);
  if (lead < 0x80)
    return 1;
  std::size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;  // allowed range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    low = lead == 0xE0 ? 0xA0 : 0x80;
    high = lead == 0xED ? 0x9F : 0xBF;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    low = lead == 0xF0 ? 0x90 : 0x80;
    high = lead == 0xF4 ? 0x8F : 0xBF;
  } else {
    return 0;
  }
  if (at + length > text.size() || byte(1) < low || byte(1) > high)
    return 0;
  for (std::size_t i = 2; i < length; ++i)
    if (!IsContinuation(byte(i)))
      return 0;
  return length;
}

bool IsValidUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t n = Utf8SequenceLength(text, i);
    if (n == 0)
      return false;
    i += n;
  }
  return true;
}

std::string RepairUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t n = Utf8SequenceLength(text, i);
    if (n == 0) {
      out += kReplacement;
      ++i;
    } else {
      out.append(text, i, n);
      i += n;
    }
  }
  return out;
}

std::string Latin1ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  for (const char c : text) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x80) {
      out += c;
    } else {
      out += static_cast<char>(0xC0 | (u >> 6));
      out += static_cast<char>(0x80 | (u & 0x3F));
    }
  }
  return out;
}

// Calls `visit` for each line of `text` without its line end.
template <typename Visit>
void ForEachLine(std::string_view text, Visit visit) {
  while (!text.empty()) {
    const std::size_t end = text.find_first_of("\r\n");
    if (end == std::string_view::npos) {
      visit(text);
      return;
    }
    visit(text.substr(0, end));
    std::size_t next = end + 1;
    if (text[end] == '\r' && next < text.size() && text[next] == '\n')
      ++next;
    text.remove_prefix(next);
  }
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x))
                  == std::tolower(static_cast<unsigned char>(y));
         });
}

}  // namespace

std::string DecodeIniText(std::string_view bytes) {
  if (bytes.starts_with(kByteOrderMark))
    return RepairUtf8(bytes.substr(kByteOrderMark.size()));
  if (IsValidUtf8(bytes))
    return std::string(bytes);
  return Latin1ToUtf8(bytes);
}

IniFile::IniFile(std::string_view bytes)
    : text_(std::make_unique<const std::string>(DecodeIniText(bytes))) {
  IniGroup* group = nullptr;  // lines before the first group belong to none
  ForEachLine(*text_, [&](std::string_view line) {
    line = TrimLeft(line);
    if (line.empty() || line.front() == ';')
      return;
    if (line.front() == '[') {
      const std::size_t close = line.find(']');
      groups_.push_back(
          {line.substr(1, close == std::string_view::npos ? line.npos : close - 1), {}});
      group = &groups_.back();
      return;
    }
    if (!group)
      return;
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos)
      group->lines.push_back({TrimRight(line), {}, false});
    else
      group->lines.push_back(
          {TrimRight(line.substr(0, equals)), TrimRight(TrimLeft(line.substr(equals + 1))), true});
  });
}

std::optional<IniFile> IniFile::Read(const std::string& path) {
  std::optional<std::string> bytes = ReadWholeFile(path, kMaxBytes);
  if (!bytes)
    return std::nullopt;
  return IniFile(*bytes);
}

const IniGroup* IniFile::FindGroup(std::string_view name) const {
  for (const IniGroup& group : groups_)
    if (EqualIgnoringCase(group.name, name))
      return &group;
  return nullptr;
}

std::optional<std::string_view> IniFile::Find(std::string_view group_name,
                                              std::string_view key) const {
  const IniGroup* group = FindGroup(group_name);
  if (!group)
    return std::nullopt;
  for (const IniLine& line : group->lines)
    if (line.has_equals && EqualIgnoringCase(line.key, key))
      return line.value;
  return std::nullopt;
}
