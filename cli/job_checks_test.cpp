#include "cli/job_checks.h"

#include <unistd.h>

#include <filesystem>

#include <gtest/gtest.h>

#include "settings/settings_table.h"
#include "tests/helpers/scratch.h"

namespace {

TEST(NamesFile, ADotInTheLastPartWithoutABlankAfterIt) {
  struct Case {
    const char* input;
    bool file;
  };

  const Case cases[] = {
      {"IMG0001.PCD", true},    {"/photos/roll.1.pcd", true}, {"list.txt", true},
      {"my.photos", true},      {"my.photos 2", false},       {"photos", false},
      {"/a.b/photos", false},   {".hidden", false},           {"photos/", false},
      {"/x/my.photos/", false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.file, NamesFile(c.input)) << c.input;
}

TEST(NormaliseFolder, MakesFoldersAbsoluteFromTheCurrentOne) {
  ScratchFolder dir;
  std::filesystem::create_directories(dir.Path("photos"));
  const FolderCheck check{"incorrect", "invalid", R_OK};

  struct Case {
    std::string folder;
    std::string expected;  // the folder afterwards, or the error
  };

  const Case cases[] = {
      {"photos", dir.Path("photos/")},
      {"./photos/", dir.Path("photos/")},
      {dir.Path("photos"), dir.Path("photos/")},
      {"", dir.path()},
      {"../photos", "incorrect"},
      {"..", "incorrect"},
      {"missing", "invalid"},
  };
  for (const Case& c : cases) {
    std::string folder = c.folder;
    const std::optional<std::string> error = NormaliseFolder(folder, dir.path(), check);
    EXPECT_EQ(c.expected, error ? *error : folder) << c.folder;
  }
}

Settings Defaults() {
  return DefaultSettings({.keep_proportions = true});
}

TEST(CheckFormats, EveryFormatRowPrintsAndChecksItsOwnSettings) {
  struct Case {
    const char* extension;
    void (*change)(Settings&);
    std::vector<std::string> lines;
    std::optional<std::string> error;
  };

  const Case cases[] = {
      {"tiff",
       [](Settings&) {},
       {"TIFF BPP: 0", "TIFF Compression: none", "TIFF Color Mode: rgb"},
       std::nullopt},
      {"tiff",
       [](Settings& s) { s.tiff_bpp = 16; },
       {"TIFF BPP: 16", "TIFF Compression: none", "TIFF Color Mode: rgb"},
       "Invalid tiff-bpp value"},
      {"jpg",
       [](Settings& s) { s.jpg_quality = 0; },
       {"JPG BPP: 0", "JPG Quality: 0", "JPG Chroma Subsampling: none", "JPG Save As: standard"},
       "Invalid jpg-quality value"},
      {"png",
       [](Settings& s) { s.png_interlaced = 5; },
       {"PNG BPP: 0", "PNG Compression: none", "PNG Interlaced: 1"},
       std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.extension);
    Settings s = Defaults();
    c.change(s);
    JobState job;
    job.input_extension = "pcd";
    job.output_extension = c.extension;
    std::vector<std::string> lines;
    const auto error =
        CheckFormats(s, job, [&](const std::string& line) { lines.push_back(line); });
    EXPECT_EQ(c.lines, lines);
    EXPECT_EQ(c.error, error);
  }
}

TEST(CheckEdits, RowsThatApplyPrintAndCheckInOrder) {
  Settings s = Defaults();
  s.do_frame = 1;
  s.solid_left = 12;
  s.do_image_color_correction = 1;
  s.image_contrast = 120;
  std::vector<std::string> lines;
  std::shared_ptr<const WatermarkFont> font;
  const auto error = CheckEdits(
      s, [&](const std::string& line) { lines.push_back(line); }, &font);
  EXPECT_EQ("Invalid contrast value", error);
  // The failing row's own line comes first, then nothing more.
  EXPECT_EQ((std::vector<std::string>{"Flip Horizontal: 0", "Flip Vertical: 0", "Brightness: 0",
                                      "Contrast: 120"}),
            lines);

  s.image_contrast = 0;
  lines.clear();
  EXPECT_EQ(std::nullopt, CheckEdits(
                              s, [&](const std::string& line) { lines.push_back(line); }, &font));
  EXPECT_EQ("Gamma: 1.00", lines.at(4));
  EXPECT_EQ("Frame: solid", lines.at(7));
  EXPECT_EQ("Frame left: 12", lines.at(8));
  EXPECT_EQ("Frame opacity: 255", lines.at(16));
  EXPECT_EQ("Keep Subfolders: 1", lines.back());
}

TEST(CheckEdits, WatermarkRowsShowJoinedValues) {
  ScratchFolder dir;
  WriteFile(dir.Path("logo.png"), "png");
  Settings s = Defaults();
  s.do_watermark = 2;
  s.image = dir.Path("logo.png");
  s.image_x_offset = 3;
  std::vector<std::string> lines;
  std::shared_ptr<const WatermarkFont> font;
  EXPECT_EQ(std::nullopt, CheckEdits(
                              s, [&](const std::string& line) { lines.push_back(line); }, &font));
  EXPECT_NE(lines.end(), std::find(lines.begin(), lines.end(), "Watermark offset (x/y): 3/10"));
  EXPECT_NE(lines.end(), std::find(lines.begin(), lines.end(), "Watermark position: bottomright"));
}

}  // namespace
