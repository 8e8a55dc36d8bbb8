#include "settings/settings_table.h"

#include <set>

#include <gtest/gtest.h>

#include "settings/value_names.h"

namespace {

Settings Reset(bool keep_proportions, int desktop_width = 0, int desktop_height = 0) {
  Settings s{};
  ResetContext c;
  c.keep_proportions = keep_proportions;
  c.now = 1700000000;
  c.desktop_width = desktop_width;
  c.desktop_height = desktop_height;
  ResetSettings(s, c);
  return s;
}

}  // namespace

TEST(SettingsTable, KeysAndOptionsAreUnique) {
  std::set<std::string> keys, options;
  for (const SettingRow& row : SettingRows()) {
    EXPECT_TRUE(keys.insert(std::string(row.group) + "/" + std::string(row.key)).second) << row.key;
    if (!row.option.empty()) {
      EXPECT_TRUE(options.insert(std::string(row.option)).second) << row.option;
    }
  }
}

TEST(SettingsTable, ResetGivesTheDefaults) {
  const Settings s = Reset(false, 1920, 1080);
  EXPECT_EQ(19, s.cfg);
  EXPECT_EQ("en", s.language);
  EXPECT_EQ(1700000000, s.update_date);
  EXPECT_EQ(1700000000, s.custom_timestamp);
  EXPECT_EQ(705, s.x);
  EXPECT_EQ(375, s.y);
  EXPECT_EQ("pcd", s.input_format);
  EXPECT_EQ("tiff", s.output_format);
  EXPECT_EQ(1, s.keep_aspect_ratio);
  EXPECT_EQ(3, s.image_resize_algorithm);
  EXPECT_FLOAT_EQ(1.0f, s.image_gamma);
  EXPECT_EQ(95, s.jpg_quality);
  EXPECT_EQ(100, s.webp_quality);
  EXPECT_EQ(2, s.raw_tone_mapping);
  EXPECT_EQ(8, s.text_position);
  EXPECT_EQ("%filename%.%ext%", s.filename_mask);
  EXPECT_EQ(1, s.keep_subfolders);
  EXPECT_EQ(5, s.out_folders_number);
  EXPECT_EQ("Arial", s.font);
  EXPECT_EQ(255, s.solid_opacity);
  EXPECT_EQ(1, s.back_opacity);
  EXPECT_FALSE(s.text.empty());
}

TEST(SettingsTable, CommandLineResetTurnsKeepProportionsOffAndNarrowDesktopsGive100) {
  const Settings s = Reset(true, 500, 300);
  EXPECT_EQ(0, s.keep_aspect_ratio);
  EXPECT_EQ(100, s.x);
  EXPECT_EQ(100, s.y);
}

TEST(SettingsTable, AbsentDefaultsDifferWhereTheTableSays) {
  ResetContext c;
  const auto absent = [&](std::string_view group, std::string_view key) {
    const SettingRow* row = FindSetting(group, key);
    return row ? DefaultText(*row, row->absent_default, c) : "?";
  };
  EXPECT_EQ("0", absent("General", "CFG"));
  EXPECT_EQ("100", absent("Window", "X"));
  EXPECT_EQ("1", absent("transform", "keep aspect ratio"));
  EXPECT_EQ("5", absent("Advanced", "Out Folders Number"));
}

TEST(SettingsTable, StoredNumbersFollowTheFileRules) {
  Settings s = Reset(false);
  StoreText(s, *FindSetting("Advanced", "Out Folders Number"), "300");
  EXPECT_EQ(44, s.out_folders_number);  // low 8 bits
  StoreText(s, *FindSetting("Interface", "UI Size"), "2 and more");
  EXPECT_EQ(2, s.ui_size);
  StoreText(s, *FindSetting("Adjustment", "Image Gamma"), "2.5");
  EXPECT_EQ("2.500000", FieldText(s, *FindSetting("Adjustment", "Image Gamma")));
  StoreText(s, *FindSetting("Adjustment", "Image Brightness"), " -40x");
  EXPECT_EQ(-40, s.image_brightness);
}

TEST(ValueNames, TranslateBothWays) {
  struct Case {
    std::span<const ValueName> names;
    const char* text;
    int code;
  };

  const Case cases[] = {
      {names::kCompression, "lzw", 6},         {names::kCompression, " LzW ", 6},
      {names::kCompression, "ZIP", 1},         {names::kResizeAlgorithm, "nonsense", 0},
      {names::kResizeAlgorithm, "bicubic", 3}, {names::kPosition, "BottomRight", 8},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(c.code, NameToCode(c.names, c.text));
  }
  EXPECT_EQ("none", CodeToName(names::kTiffCompression, 0));
  EXPECT_EQ("lzw", CodeToName(names::kTiffCompression, 6));
  EXPECT_EQ("ccittfax3", CodeToName(names::kTiffCompression, 1));
  EXPECT_EQ("", CodeToName(names::kTiffCompression, 9));
}

TEST(SettingsTable, OptionsFindTheirRowsAndProfilesUseTheirOwnKey) {
  ASSERT_NE(nullptr, FindOption("--WIDTH", false));
  EXPECT_EQ(&Settings::do_image_resize, FindOption("--WIDTH", false)->side_effect.field);
  EXPECT_NE(nullptr, FindOption("--FR-SOLID-OPACITY", false));
  EXPECT_EQ(nullptr, FindOption("--FR-SOLID-OPACITY", true));
  EXPECT_EQ(FindOption("--FR-SOLID-OPACITY", false), FindOption("--WM-SOLID-OPACITY", true));
  EXPECT_EQ(nullptr, FindOption("--WM-SOLID-OPACITY", false));
}
