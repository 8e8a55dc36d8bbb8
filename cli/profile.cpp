#include "cli/profile.h"

#include <optional>
#include <string_view>

#include "persist/ini.h"
#include "platform/text_case.h"
#include "settings/option_value.h"
#include "settings/settings_table.h"

namespace {

// The one profile key whose surrounding double quotes are dropped; every
// other text keeps them (a watermark text may want them).
bool DropsQuotes(const SettingRow& row) {
  return row.field == Field(&Settings::filename_mask);
}

std::string_view WithoutQuotes(std::string_view text) {
  while (!text.empty() && text.front() == '"')
    text.remove_prefix(1);
  while (!text.empty() && text.back() == '"')
    text.remove_suffix(1);
  return text;
}

}  // namespace

bool ReadProfile(const std::string& path, Settings& s) {
  if (path.empty())
    return false;
  const std::optional<IniFile> file = IniFile::Read(path);
  if (!file)
    return false;
  const IniGroup* group = file->FindGroup("CLI");
  if (!group)
    return true;
  // Every line in file order, so a key given twice is applied twice. A line
  // without "=" counts as a key with an empty value: a bare "--invert" works.
  for (const IniLine& line : group->lines) {
    const SettingRow* row = FindOption(ToUpper(line.key), /*in_profile=*/true);
    if (!row)
      continue;
    const bool text = row->option_kind == OptionKind::kText;
    ApplyOption(s, *row, text && DropsQuotes(*row) ? WithoutQuotes(line.value) : line.value);
  }
  return true;
}
