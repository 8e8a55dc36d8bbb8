#include "persist/config.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "platform/files.h"
#include "tests/helpers/scratch.h"

namespace {

ResetContext Context() {
  ResetContext c;
  c.now = 1700000000;
  c.desktop_width = 1920;
  c.desktop_height = 1080;
  return c;
}

Settings Defaults() {
  Settings s{};
  ResetSettings(s, Context());
  return s;
}

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

std::string Fixture(const char* name) {
  return ReadBytes(std::string(MARLENTA_SOURCE_DIR) + "/tests/fixtures/" + name);
}

// Every setting as the file writes it, so two records compare field by field.
void ExpectSameSettings(const Settings& expected, const Settings& actual) {
  for (const SettingRow& row : SettingRows())
    EXPECT_EQ(FieldText(expected, row), FieldText(actual, row)) << row.group << "/" << row.key;
}

// Loads hand-written file text through a real file.
Settings LoadText(std::string_view text, const ResetContext& context = Context()) {
  ScopedTempDir dir;
  const std::string path = dir.path() + "config.ini";
  EXPECT_TRUE(WriteFile(path, std::string(text)));
  Settings s{};
  EXPECT_TRUE(LoadConfig(path, s, context));
  return s;
}

}  // namespace

TEST(Config, DefaultsAreWrittenExactlyAndReadBackUnchanged) {
  const Settings defaults = Defaults();
  const std::string text = ConfigText(defaults);
  EXPECT_EQ(Fixture("config_defaults.ini"), text);
  EXPECT_TRUE(text.starts_with(Fixture("config_head.ini")));

  ScopedTempDir dir;
  const std::string path = dir.path() + "config.ini";
  ASSERT_TRUE(SaveConfig(path, defaults));
  EXPECT_EQ(text, ReadBytes(path));
  Settings loaded{};
  ASSERT_TRUE(LoadConfig(path, loaded, Context()));
  ExpectSameSettings(defaults, loaded);
  ASSERT_TRUE(SaveConfig(path, loaded));
  EXPECT_EQ(text, ReadBytes(path));
}

TEST(Config, HandWrittenFilesLoadByTheRules) {
  {
    SCOPED_TRACE("lower-case group and key, no CFG: the mask gains its extension");
    EXPECT_EQ("%filename%.%ext%", LoadText("[advanced]\nfilename mask=%filename%\n").filename_mask);
  }
  {
    SCOPED_TRACE("no byte-order mark, byte E9");
    EXPECT_EQ("Caf\xC3\xA9", LoadText("[Watermark]\r\nText = Caf\xE9\r\n").text);
  }
  {
    SCOPED_TRACE("keep aspect ratio given and absent");
    EXPECT_EQ(0, LoadText("[Transform]\nKeep Aspect Ratio = 0\n").keep_aspect_ratio);
    EXPECT_EQ(1, LoadText("[Transform]\n").keep_aspect_ratio);
  }
  {
    SCOPED_TRACE("numbers stop at the first other character; codes keep 8 bits");
    const Settings s = LoadText(
        "[Interface]\nUI Size = 2 and more\n[Advanced]\n"
        "Out Folders Number = 300\nKeep Subfolders = x\n");
    EXPECT_EQ(2, s.ui_size);
    EXPECT_EQ(44, s.out_folders_number);
    EXPECT_EQ(0, s.keep_subfolders);
  }
  {
    SCOPED_TRACE("absent geometry is not centred");
    const Settings s = LoadText("[General]\nCFG = 19\n");
    EXPECT_EQ(100, s.x);
    EXPECT_EQ(100, s.y);
    EXPECT_EQ(510, s.width);
    EXPECT_EQ(1700000000, s.update_date);
    EXPECT_EQ("pcd", s.input_format);
  }
  {
    SCOPED_TRACE("texts lose their outer blanks and tabs only");
    EXPECT_EQ("a  b", LoadText("[Watermark]\nText = \t a  b \t\n").text);
  }
}

TEST(Config, OlderFormatsAreMigrated) {
  struct Case {
    const char* what;
    std::string_view text;
    std::string mask;
    int raw_load_as, tiff_color_mode, psd_color_mode;
  };

  const Case cases[] = {
      {"version 10: mask extended, raw shifted, old colour keys taken",
       "[General]\nCFG=10\n[Input]\nRAW Load As=1\nPSD Color Model=2\n[Output]\n"
       "TIFF Color Model=1\n[Advanced]\nFilename Mask=%name%\n",
       "%name%.%ext%", 3, 1, 2},
      {"version 11 keeps the mask", "[General]\nCFG=11\n[Advanced]\nFilename Mask=%name%\n",
       "%name%", 0, 0, 0},
      {"mask check is case-sensitive", "[General]\nCFG=10\n[Advanced]\nFilename Mask=a.%EXT%\n",
       "a.%EXT%.%ext%", 0, 0, 0},
      {"version 13 shifts a raw mode", "[General]\nCFG=13\n[Input]\nRAW Load As=2\n",
       "%filename%.%ext%", 4, 0, 0},
      {"version 14 keeps raw modes", "[General]\nCFG=14\n[Input]\nRAW Load As=2\n",
       "%filename%.%ext%", 2, 0, 0},
      {"version 18: old key 1 wins over the new key",
       "[General]\nCFG=18\n[Output]\nTIFF Color Mode=0\nTIFF Color Model=1\n", "%filename%.%ext%",
       0, 1, 0},
      {"version 18: old key 0 leaves the new key",
       "[General]\nCFG=18\n[Output]\nTIFF Color Mode=2\nTIFF Color Model=0\n", "%filename%.%ext%",
       0, 2, 0},
      {"version 19 ignores old keys", "[General]\nCFG=19\n[Output]\nTIFF Color Model=1\n",
       "%filename%.%ext%", 0, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const Settings s = LoadText(c.text);
    EXPECT_EQ(c.mask, s.filename_mask);
    EXPECT_EQ(c.raw_load_as, s.raw_load_as);
    EXPECT_EQ(c.tiff_color_mode, s.tiff_color_mode);
    EXPECT_EQ(c.psd_color_mode, s.psd_color_mode);
    EXPECT_EQ(kConfigVersion, s.cfg);
  }
}

TEST(Config, WindowGroupStaysEmptyWhenPositionsAreNotSaved) {
  Settings s = Defaults();
  s.save_window_position = 0;
  s.x = 5;
  const std::string text = ConfigText(s);
  EXPECT_NE(std::string::npos,
            text.find("Save Window Position = 0\r\n; \r\n[Window]\r\n; \r\n[Interface]"));
  const Settings loaded = LoadText(text);
  EXPECT_EQ(100, loaded.x);
  EXPECT_EQ(100, loaded.y);
}

TEST(Config, WritesTheFormatOptionsOfTheListedExtensionsOnly) {
  const std::string_view inputs[] = {"raw", "pcd"};
  const std::string_view outputs[] = {"webp", "tiff"};
  const std::string text = ConfigText(Defaults(), inputs, outputs);
  EXPECT_NE(
      std::string::npos,
      text.find("[Input]\r\nFormat = pcd\r\nRAW Load As = 0\r\nRAW Header Size = 0\r\n"
                "RAW Image Width = 0\r\nRAW Image Height = 0\r\nRAW Tone Mapping = 2\r\n; \r\n"));
  EXPECT_NE(std::string::npos,
            text.find("[Output]\r\nFormat = tiff\r\nWEBP BPP = 0\r\nWEBP Quality = 100\r\n"
                      "TIFF BPP = 0\r\nTIFF Compression = 0\r\nTIFF Color Mode = 0\r\n; \r\n"));
  EXPECT_EQ(std::string::npos, ConfigText(Defaults()).find("TIFF Frame Loading"));
}

TEST(Config, ALineBreakInATextCannotForgeAKey) {
  Settings s = Defaults();
  s.text = "first\r\nsecond\nImage = /etc/passwd";
  const Settings loaded = LoadText(ConfigText(s));
  EXPECT_EQ("first%eol%second%eol%Image = /etc/passwd", loaded.text);
  EXPECT_EQ("", loaded.image);
}

TEST(Config, UnreadableFileGivesTheWindowDefaults) {
  ScopedTempDir dir;
  ResetContext command_line = Context();
  command_line.keep_proportions = true;
  for (const std::string& path : {dir.path() + "missing.ini", dir.path()}) {
    Settings s{};
    s.cfg = 3;
    EXPECT_FALSE(LoadConfig(path, s, command_line));
    ExpectSameSettings(Defaults(), s);  // keeps proportions, no migration
  }
}

TEST(Config, FailedSaveIsSilentAndLeavesNothingBehind) {
  ScopedTempDir dir;
  const Settings s = Defaults();
  testing::internal::CaptureStdout();
  testing::internal::CaptureStderr();
  EXPECT_FALSE(SaveConfig(dir.path() + "no folder/config.ini", s));
  EXPECT_FALSE(SaveConfig(dir.path(), s));  // a folder in the way of the file
  EXPECT_EQ("", testing::internal::GetCapturedStdout());
  EXPECT_EQ("", testing::internal::GetCapturedStderr());
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST(Config, ResetSavesTheWindowDefaultsAtOnce) {
  ScopedTempDir dir;
  const std::string path = dir.path() + "config.ini";
  Settings s = Defaults();
  s.image_width = 77;
  s.keep_aspect_ratio = 0;
  ResetContext command_line = Context();
  command_line.keep_proportions = true;
  ASSERT_TRUE(ResetConfig(path, s, command_line));
  ExpectSameSettings(Defaults(), s);
  EXPECT_EQ(ConfigText(Defaults()), ReadBytes(path));
}
