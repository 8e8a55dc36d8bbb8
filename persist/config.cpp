#include "persist/config.h"

#include <algorithm>

#include "persist/ini.h"
#include "platform/files.h"
#include "platform/whole_file.h"

namespace {

constexpr std::string_view kLineEnd = "\r\n";

// The window always keeps proportions after a reset; only the command line
// starts without.
ResetContext WindowContext(ResetContext context) {
  context.keep_proportions = false;
  return context;
}

// Keys that older versions wrote under another name; the old value wins when
// it is not 0.
struct RenamedKey {
  std::string_view group;
  std::string_view old_key;
  std::int32_t Settings::*field;
};

constexpr RenamedKey kRenamedKeys[] = {
    {"Input", "PSD Color Model", &Settings::psd_color_mode},
    {"Output", "TIFF Color Model", &Settings::tiff_color_mode},
};

void AppendExtensionToMask(Settings& s, const IniFile&) {
  if (s.filename_mask.find("%ext%") == std::string::npos)
    s.filename_mask += ".%ext%";
}

void ShiftRawLoadAs(Settings& s, const IniFile&) {
  if (s.raw_load_as != 0)
    s.raw_load_as += 2;  // two modes were added in front of the old ones
}

void TakeRenamedKeys(Settings& s, const IniFile& file) {
  for (const RenamedKey& renamed : kRenamedKeys) {
    const std::optional<std::string_view> text = file.Find(renamed.group, renamed.old_key);
    if (!text)
      continue;
    const auto value = static_cast<std::int32_t>(ReadConfigNumber(*text));
    if (value != 0)
      s.*renamed.field = value;
  }
}

// Each migration runs, in this order, for files older than its version.
struct Migration {
  int below_version;
  void (*apply)(Settings&, const IniFile&);
};

constexpr Migration kMigrations[] = {
    {11, AppendExtensionToMask},
    {14, ShiftRawLoadAs},
    {19, TakeRenamedKeys},
};

std::span<const std::string_view> ExtensionsOf(std::string_view group,
                                               std::span<const std::string_view> inputs,
                                               std::span<const std::string_view> outputs) {
  if (group == "Input")
    return inputs;
  if (group == "Output")
    return outputs;
  return {};
}

// A text cannot hold a line end in this format; see ConfigText.
std::string OneLine(std::string text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') {
      out += text[i];
      continue;
    }
    out += "%eol%";
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
      ++i;
  }
  return out;
}

void AppendLine(std::string& out, std::string_view a, std::string_view b = {},
                std::string_view c = {}) {
  out.append(a).append(b).append(c).append(kLineEnd);
}

void AppendValue(std::string& out, const Settings& s, const SettingRow& row) {
  AppendLine(out, row.key, " = ", OneLine(FieldText(s, row)));
}

// Rows that belong to every format first, in table order, then the options of
// each listed extension in list order.
void AppendGroupValues(std::string& out, const Settings& s, std::span<const SettingRow> rows,
                       std::span<const std::string_view> extensions) {
  for (const SettingRow& row : rows)
    if (row.format.empty())
      AppendValue(out, s, row);
  for (const std::string_view extension : extensions)
    for (const SettingRow& row : rows)
      if (row.format == extension)
        AppendValue(out, s, row);
}

}  // namespace

std::string ConfigPath() {
  return DataFolder() + "config.ini";
}

bool LoadConfig(const std::string& path, Settings& s, const ResetContext& context) {
  const ResetContext window = WindowContext(context);
  const std::optional<IniFile> file = IniFile::Read(path);
  if (!file) {
    ResetSettings(s, window);
    return false;
  }
  for (const SettingRow& row : SettingRows()) {
    const std::optional<std::string_view> text = file->Find(row.group, row.key);
    StoreText(s, row, text ? std::string(*text) : DefaultText(row, row.absent_default, window));
  }
  const int version = s.cfg;
  for (const Migration& migration : kMigrations)
    if (version < migration.below_version)
      migration.apply(s, *file);
  s.cfg = kConfigVersion;  // the record now holds this version's values
  return true;
}

std::string ConfigText(const Settings& settings, std::span<const std::string_view> inputs,
                       std::span<const std::string_view> outputs) {
  Settings s = settings;
  s.cfg = kConfigVersion;
  std::string out;
  AppendLine(out, "\xEF\xBB\xBF");
  const std::span<const SettingRow> rows = SettingRows();
  for (auto begin = rows.begin(); begin != rows.end();) {
    const std::string_view group = begin->group;
    const auto end =
        std::find_if(begin, rows.end(), [&](const SettingRow& row) { return row.group != group; });
    AppendLine(out, "[", group, "]");
    if (group != "Window" || s.save_window_position != 0)
      AppendGroupValues(out, s, {begin, end}, ExtensionsOf(group, inputs, outputs));
    AppendLine(out, "; ");
    begin = end;
  }
  return out;
}

bool SaveConfig(const std::string& path, const Settings& s) {
  return ReplaceFile(path, ConfigText(s));
}

bool ResetConfig(const std::string& path, Settings& s, const ResetContext& context) {
  ResetSettings(s, WindowContext(context));
  return SaveConfig(path, s);
}
