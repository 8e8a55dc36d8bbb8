#include "persist/ini.h"

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "platform/files.h"
#include "tests/helpers/scratch.h"

TEST(IniFile, ReadsGroupsKeysAndValuesByTheRules) {
  const IniFile ini(
      "Outside = ignored\r\n"
      "  [General] trailing text\r\n"
      "; a comment = not a key\n"
      "\tCFG   =   19  \t\r"
      "cfg = 20\n"
      "Empty =\n"
      "a line without equals\n"
      "Two = a = b\n"
      "[general]\n"
      "Later = from the second group\n"
      "[Open bracket\n"
      "Key=value");
  EXPECT_EQ("19", ini.Find("GENERAL", "cfg"));  // the first occurrence, without case
  EXPECT_EQ("", ini.Find("General", "Empty"));
  EXPECT_EQ("a = b", ini.Find("General", "Two"));
  EXPECT_FALSE(ini.Find("General", "a line without equals"));
  EXPECT_FALSE(ini.Find("General", "Later"));  // only the first group of a name counts
  EXPECT_FALSE(ini.Find("General", "Outside"));
  EXPECT_EQ("value", ini.Find("Open bracket", "key"));
  EXPECT_FALSE(ini.Find("Missing", "Key"));

  const IniGroup* general = ini.FindGroup("general");
  ASSERT_NE(nullptr, general);
  ASSERT_EQ(5u, general->lines.size());
  EXPECT_EQ("a line without equals", general->lines[3].key);
  EXPECT_FALSE(general->lines[3].has_equals);
}

TEST(IniFile, DecodesByTheByteOrderMarkOrTheBytes) {
  struct Case {
    const char* what;
    std::string_view bytes;
    std::string_view text;
  };

  const Case cases[] = {
      {"mark skipped",
       "\xEF\xBB\xBF"
       "caf\xC3\xA9",
       "caf\xC3\xA9"},
      {"valid UTF-8 without mark", "caf\xC3\xA9", "caf\xC3\xA9"},
      {"ISO 8859-1 without mark", "caf\xE9", "caf\xC3\xA9"},
      {"one stray byte makes all ISO 8859-1", "\xC3\xA9\xFF", "\xC3\x83\xC2\xA9\xC3\xBF"},
      {"overlong form is not UTF-8", "\xC0\xAF", "\xC3\x80\xC2\xAF"},
      {"invalid after a mark",
       "\xEF\xBB\xBF"
       "a\xFF"
       "b",
       "a\xEF\xBF\xBD"
       "b"},
      {"truncated at the end after a mark", "\xEF\xBB\xBF\xE2\x82", "\xEF\xBF\xBD\xEF\xBF\xBD"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(c.text, DecodeIniText(c.bytes));
  }
}

TEST(IniFile, ReadFailsForMissingFoldersAndHugeFiles) {
  ScopedTempDir dir;
  EXPECT_FALSE(IniFile::Read(""));
  EXPECT_FALSE(IniFile::Read(dir.path() + "missing.ini"));
  EXPECT_FALSE(IniFile::Read(dir.path()));
  const std::string huge = dir.path() + "huge.ini";
  WriteFile(huge, "[CLI]\n");
  std::filesystem::resize_file(huge, std::uintmax_t{8} << 30);  // sparse: nothing is written
  EXPECT_FALSE(IniFile::Read(huge));
}

TEST(IniFile, KeepsALineLongerThanAnyBuffer) {
  ScopedTempDir dir;
  const std::string path = dir.path() + "long.ini";
  const std::string value(3 << 20, 'x');
  WriteFile(path, "[G]\r\nKey = " + value + "\r\nNext = 1\r\n");
  const std::optional<IniFile> ini = IniFile::Read(path);
  ASSERT_TRUE(ini);
  EXPECT_EQ(value, ini->Find("G", "Key"));
  EXPECT_EQ("1", ini->Find("G", "Next"));
}

TEST(IniFile, BinaryBytesParseWithoutHarm) {
  std::string bytes;
  std::uint32_t state = 12345;
  for (int i = 0; i < 200000; ++i) {
    state = state * 1103515245u + 12345u;
    bytes += static_cast<char>(state >> 24);
  }
  bytes += std::string_view("\n[G]\nKey=\0value\n", 16);
  const IniFile ini(bytes);
  EXPECT_EQ(std::string_view("\0value", 6), ini.Find("G", "Key"));
}
