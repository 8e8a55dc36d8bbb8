#include "cli/job_checks.h"

#include <unistd.h>

#include <cctype>
#include <cstdio>

#include "platform/files.h"
#include "settings/formats.h"
#include "settings/settings_table.h"

namespace {

struct RangeCheck {
  std::string_view key;  // in [Output]
  int low, high;
  std::string_view message;
};

// Checks a format makes after its bit depth.
constexpr RangeCheck kRangeChecks[] = {
    {"JPG Quality", 1, 100, "Invalid jpg-quality value"},
    {"WEBP Quality", 1, 100, "Invalid webp-quality value"},
};

// Debug labels that are not simply the key.
std::string_view Label(const SettingRow& row) {
  return row.key == "JPG Chroma" ? std::string_view("JPG Chroma Subsampling") : row.key;
}

bool IsBitDepthRow(const SettingRow& row) {
  return row.key.size() > 4 && row.key.substr(row.key.size() - 4) == " BPP";
}

// The lines of one format's settings in one group, in table order.
void PrintFormatLines(const Settings& s, std::string_view group, std::string_view extension,
                      const DebugPrint& debug) {
  if (!debug)
    return;
  for (const SettingRow& row : SettingRows())
    if (row.group == group && row.format == extension)
      debug(std::string(Label(row)) + ": " + DebugValue(s, row));
}

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower)
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

}  // namespace

std::string DebugValue(const Settings& s, const SettingRow& row) {
  if (!row.names.empty())
    return CodeToName(row.names, static_cast<int>(NumericValue(s, row)));
  if (row.kind == Kind::kFlag)
    return NumericValue(s, row) != 0 ? "1" : "0";
  if (row.kind == Kind::kFloat) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.2f",
                  static_cast<double>(s.*std::get<float Settings::*>(row.field)));
    return buffer;
  }
  return FieldText(s, row);
}

std::optional<std::string> NormaliseFolder(std::string& folder, const std::string& current_folder,
                                           const FolderCheck& check) {
  if (folder.compare(0, 2, "..") == 0)
    return std::string(check.incorrect);
  if (folder.empty() || folder.front() != '/') {
    if (folder.compare(0, 2, "./") == 0)
      folder.erase(0, 2);
    folder.insert(0, current_folder);
  }
  if (folder.empty() || folder.back() != '/')
    folder += '/';
  if (!IsFolder(folder) || access(folder.c_str(), check.access) != 0)
    return std::string(check.invalid);
  return std::nullopt;
}

bool NamesFile(std::string_view input) {
  const std::size_t slash = input.rfind('/');
  const std::string_view last = slash == std::string_view::npos ? input : input.substr(slash + 1);
  const std::size_t dot = last.rfind('.');
  if (dot == std::string_view::npos || dot == 0)
    return false;
  return last.find_first_of(" \t", dot) == std::string_view::npos;
}

std::optional<std::string> CheckFormats(const Settings& s, const JobState& job,
                                        const DebugPrint& debug) {
  PrintFormatLines(s, "Input", job.input_extension, debug);
  PrintFormatLines(s, "Output", job.output_extension, debug);
  for (const SettingRow& row : SettingRows()) {
    if (row.group != "Output" || row.format != job.output_extension || !IsBitDepthRow(row))
      continue;
    if (!IsValidBitDepth(job.output_extension, static_cast<int>(NumericValue(s, row))))
      return "Invalid " + Lower(job.output_extension) + "-bpp value";
  }
  for (const RangeCheck& check : kRangeChecks) {
    const SettingRow* row = FindSetting("Output", check.key);
    if (!row || row->format != job.output_extension)
      continue;
    const std::int64_t value = NumericValue(s, *row);
    if (value < check.low || value > check.high)
      return std::string(check.message);
  }
  return std::nullopt;
}
