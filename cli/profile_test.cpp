#include "cli/profile.h"

#include <filesystem>
#include <fstream>
#include <functional>

#include <gtest/gtest.h>

#include "platform/files.h"
#include "settings/settings_table.h"
#include "tests/helpers/scratch.h"

namespace {

Settings CommandLineDefaults() {
  Settings s{};
  ResetContext c;
  c.keep_proportions = true;
  c.now = 1700000000;
  ResetSettings(s, c);
  return s;
}

class ProfileTest : public testing::Test {
 protected:
  // Writes the profile bytes and reads them into the command line's defaults.
  Settings Read(std::string_view bytes) {
    const std::string path = dir_.path() + "profile.ini";
    EXPECT_TRUE(WriteFile(path, std::string(bytes)));
    Settings s = CommandLineDefaults();
    EXPECT_TRUE(ReadProfile(path, s));
    return s;
  }

  ScopedTempDir dir_;
};

}  // namespace

TEST_F(ProfileTest, AppliesTheCliGroupByTheProfileRules) {
  struct Case {
    const char* what;
    std::string_view bytes;
    std::function<void(const Settings&)> check;
  };

  const Case cases[] = {
      {"group and key in lower case, name value", "[cli]\n--tiff-compression = lzw\n",
       [](const Settings& s) {
         EXPECT_EQ(6, s.tiff_compression);
       }},
      {"frame opacity has its profile key only",
       "[CLI]\n--FR-SOLID-OPACITY=10\n--WM-SOLID-OPACITY=20\n",
       [](const Settings& s) {
         EXPECT_EQ(20, s.solid_opacity);
       }},
      {"frame opacity under the command line's key is ignored", "[CLI]\n--FR-SOLID-OPACITY=10\n",
       [](const Settings& s) {
         EXPECT_EQ(255, s.solid_opacity);
       }},
      {"filename mask loses its quotes, not its inner blanks",
       "[CLI]\n--FILENAME-MASK = \" %filename% .%ext%\"\n",
       [](const Settings& s) {
         EXPECT_EQ(" %filename% .%ext%", s.filename_mask);
       }},
      {"watermark text keeps its quotes and turns the text watermark on",
       "[CLI]\n--WM-TEXT = \"Hello world\"  \n",
       [](const Settings& s) {
         EXPECT_EQ("\"Hello world\"", s.text);
         EXPECT_EQ(1, s.do_watermark);
       }},
      {"an empty integer still stores 0 and switches", "[CLI]\n--WIDTH=\n",
       [](const Settings& s) {
         EXPECT_EQ(0, s.image_width);
         EXPECT_EQ(1, s.do_image_resize);
       }},
      {"a flag switches whatever its value, also without \"=\"", "[CLI]\n--INVERT=0\n--greyscale\n",
       [](const Settings& s) {
         EXPECT_EQ(1, s.image_invert);
         EXPECT_EQ(1, s.do_image_color_correction);
         EXPECT_EQ(1, s.do_image_greyscale);
       }},
      {"keys apply in file order: the later line wins", "[CLI]\n--HEIGHT=10\n--height=$20\n",
       [](const Settings& s) {
         EXPECT_EQ(32, s.image_height);
       }},
      {"only the first CLI group, only its own lines",
       "--WIDTH=1\n[Other]\n--WIDTH=2\n[CLI]\n--WIDTH=3\n; --WIDTH=4\n[Next]\n--WIDTH=5\n"
       "[CLI]\n--WIDTH=6\n",
       [](const Settings& s) {
         EXPECT_EQ(3, s.image_width);
       }},
      {"options that are not profile keys change nothing",
       "[CLI]\n--INPUT=a.pcd\n--PROFILE=other.ini\n-q\n--UNKNOWN=1\n",
       [](const Settings& s) {
         for (const SettingRow& row : SettingRows())
           EXPECT_EQ(FieldText(CommandLineDefaults(), row), FieldText(s, row)) << row.key;
       }},
      {"ISO 8859-1 text", "[CLI]\n--WM-TEXT=Caf\xE9\n",
       [](const Settings& s) {
         EXPECT_EQ("Caf\xC3\xA9", s.text);
       }},
      {"UTF-8 with a mark gives the same text", "\xEF\xBB\xBF[CLI]\r\n--WM-TEXT=Caf\xC3\xA9\r\n",
       [](const Settings& s) {
         EXPECT_EQ("Caf\xC3\xA9", s.text);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    c.check(Read(c.bytes));
  }
}

TEST_F(ProfileTest, FileWithoutCliGroupIsAcceptedAndChangesNothing) {
  const Settings s = Read("[Transform]\nImage Width = 5\n");
  for (const SettingRow& row : SettingRows())
    EXPECT_EQ(FieldText(CommandLineDefaults(), row), FieldText(s, row)) << row.key;
}

TEST_F(ProfileTest, FailsForAnEmptyPathAFolderAMissingOrAHugeFile) {
  Settings s = CommandLineDefaults();
  EXPECT_FALSE(ReadProfile("", s));
  EXPECT_FALSE(ReadProfile(dir_.path(), s));
  EXPECT_FALSE(ReadProfile(dir_.path() + "missing.ini", s));
  const std::string huge = dir_.path() + "huge.ini";
  std::ofstream(huge) << "[CLI]\n--WIDTH=9\n";
  std::filesystem::resize_file(huge, std::uintmax_t{1} << 32);  // sparse
  EXPECT_FALSE(ReadProfile(huge, s));
  EXPECT_EQ(0, s.image_width);
}

TEST_F(ProfileTest, BinaryFileIsReadByTheRules) {
  std::string bytes(100000, '\0');
  for (std::size_t i = 0; i < bytes.size(); ++i)
    bytes[i] = static_cast<char>((i * 7919) >> 3);
  bytes += "\n[CLI]\n--WIDTH=12\x01\xFF\n";
  EXPECT_EQ(12, Read(bytes).image_width);
}
