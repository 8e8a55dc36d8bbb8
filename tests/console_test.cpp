// The console tool run as a user runs it: the real executable, argument
// vectors in, lines and exit statuses out, in a sandbox of its own.
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "tests/helpers/console_run.h"

namespace {

using Lines = std::vector<std::string>;

const Lines kBanner = {"Marlenta 3.2", "Copyright (c) 2009-2024 Quillorb. All rights reserved.",
                       "https://www.quillorb.example/", " "};

Lines Join(Lines a, const Lines& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

bool Exists(const std::string& path) {
  return std::filesystem::exists(path);
}

TEST(ConsoleHelp, PrintsTheHelpTextToTheLetter) {
  ConsoleSandbox box;
  const ConsoleResult r = box.Run({"-h"});
  EXPECT_EQ(0, r.status);
  ASSERT_EQ(38u, r.lines.size());
  EXPECT_EQ(" ", r.lines[0]);
  EXPECT_EQ("Usage: marlenta -i <filename> [options]", r.lines[1]);
  EXPECT_EQ("  marlenta -i c:\\tmp\\example.pcd -o d:\\converted", r.lines[5]);
  EXPECT_EQ("  marlenta -i c:\\tmp\\ -o d:\\converted -c tiff --jpg-quality=95", r.lines[8]);
  EXPECT_EQ("  -c STR, --conversion=STR  Set output extension, STR = (jpg | bmp | ...)",
            r.lines[15]);
  EXPECT_EQ("    ...                     Refer documentation for all available options",
            r.lines[30]);
  EXPECT_EQ("  -v, --version             Display version information and exit", r.lines[37]);
  EXPECT_EQ("", r.err);
}

TEST(ConsoleHelp, OnlyTheFirstParameterAsksForHelpOrVersion) {
  struct Case {
    Lines args;
    Lines expected;
  };

  ConsoleSandbox box;
  const Lines help = box.Run({"-h"}).lines;
  const Case cases[] = {
      {{"-?"}, help},           {{"--help=anything", "-i", "x.pcd"}, help},
      {{"--VeRsIoN"}, {"3.2"}}, {{"-v", "-h"}, {"3.2"}},
      {{"-V=1"}, {}},  // a short name is the whole parameter: no request, no input
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args.front());
    const ConsoleResult r = box.Run(c.args);
    if (c.expected.empty())
      continue;  // falls through to the window mode, which these tests never start
    EXPECT_EQ(0, r.status);
    EXPECT_EQ(c.expected, r.lines);
  }
}

TEST(ConsoleErrors, EachBadCommandLineGetsItsLineAndStatusOne) {
  struct Case {
    Lines args;
    std::string line;
  };

  const Case cases[] = {
      {{"-i"}, "Error: Incorrect number of parameters"},
      {{"--input", "a.pcd"}, "Error: Incorrect number of parameters"},
      {{"-i", "a.pcd", "-o"}, "Error: Incorrect number of parameters"},
      {{"-i", "-q"}, "Error: Incorrect number of parameters"},
      {{"--brightness=--40", "-i", "a.pcd"}, "Error: Incorrect number of parameters"},
      {{"--width", "-i", "a.pcd"}, "Error: Incorrect number of parameters"},
      {{"-i", "a.pcd", "--profile=missing.ini"}, "Error: Invalid profile file"},
      {{"-q", "-i", "missing.pcd"}, "Error: Invalid input file"},
      {{"-q", "-i", "empty.pcd"}, "Error: Invalid input file"},
      {{"-q", "-i", "my.photos"}, "Error: Invalid input file"},
      {{"-q", "-i", "../photos"}, "Error: Incorrect input folder"},
      {{"-q", "-i", "nowhere"}, "Error: Invalid input folder"},
      {{"-q", "-i", "a.pcd", "-o", "../out"}, "Error: Incorrect output folder"},
      {{"-q", "-i", "a.pcd", "-o", "nowhere"}, "Error: Invalid output folder"},
      {{"-q", "-i", "a.pcd", "-c", "jpg"}, "Error: Invalid conversion type"},
      {{"-q", "-i", "a.pcd", "-c", "TIFF"}, "Error: Invalid conversion type"},
      {{"-q", "-i", "a.pcd", "--tiff-bpp=16"}, "Error: Invalid tiff-bpp value"},
      {{"-q", "-i", "a.pcd", "--width=abc", "--height=10"}, "Error: Invalid width value"},
      {{"-q", "-i", "a.pcd", "--width=100"}, "Error: Invalid height value"},
      {{"-q", "-i", "a.pcd", "--brightness=101"}, "Error: Invalid brightness value"},
      {{"-q", "-i", "a.pcd", "--contrast=-101"}, "Error: Invalid contrast value"},
      {{"-q", "-i", "a.pcd", "--gamma=10"}, "Error: Invalid gamma value"},
      {{"-q", "-i", "a.pcd", "--gamma=0.001"}, "Error: Invalid gamma value"},
      {{"-q", "-i", "a.pcd", "--gamma=NaN"}, "Error: Invalid gamma value"},
      {{"-q", "-i", "a.pcd", "--wm-image=missing.png"}, "Error: Invalid watermark image"},
      {{"-q", "-i", "a.pcd", "--wm-image=empty.pcd"}, "Error: Invalid watermark image"},
  };
  ConsoleSandbox box;
  box.PhotoCd("a.pcd");
  box.Write("empty.pcd", "");
  box.MakeFolders("my.photos");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args.back());
    const ConsoleResult r = box.Run(c.args);
    EXPECT_EQ(1, r.status);
    EXPECT_EQ(Lines{c.line}, r.lines);
    EXPECT_FALSE(Exists(box.Path("a.tiff")));
  }
}

TEST(ConsoleErrors, NotQuietTheErrorEndsTheStatusLines) {
  ConsoleSandbox box;
  const ConsoleResult r = box.Run({"-i", "missing.pcd"});
  EXPECT_EQ(1, r.status);
  EXPECT_EQ(Join(kBanner, {"Preparing...", "Error: Invalid input file"}), r.lines);
}

TEST(ConsoleErrors, AnErrorStopsTheLoopBeforeLaterOptions) {
  ConsoleSandbox box;
  box.PhotoCd("a.pcd");
  // The pause after the error is never seen; stdin is no terminal anyway.
  const ConsoleResult r = box.Run({"-i", "a.pcd", "--width", "-p"});
  EXPECT_EQ(Lines{"Error: Incorrect number of parameters"}, r.lines);
  EXPECT_FALSE(Exists(box.Path("a.tiff")));
}

TEST(ConsoleJob, ConvertsOneFileBesideItWithTheStatusLines) {
  ConsoleSandbox box;
  box.PhotoCd("photos/IMG0001.PCD");
  const ConsoleResult r =
      box.Run({"-i", "photos/IMG0001.PCD"}, {{"FAKE_LEVELS", "4"}, {"FAKE_SIZE_4", "1536x1024"}});
  EXPECT_EQ(0, r.status);
  EXPECT_EQ(Join(kBanner, {"Preparing...", "Importing...", "Import complete, new files added: 1",
                           "Converting...", "Conversion complete", "Files converted: 1 of 1"}),
            r.lines);
  EXPECT_EQ("", r.err);  // no progress line when standard error is no terminal
  EXPECT_EQ((SavedPicture{1536, 1024, 24}), ReadSaved(box.Path("photos/IMG0001.tiff")));
  EXPECT_EQ(0, CountEntries(box.tmp()));  // the run's temporary folder is gone
}

TEST(ConsoleJob, DebugLinesNameEverySettingAndFile) {
  ConsoleSandbox box;
  box.PhotoCd("in/a.pcd");
  box.MakeFolders("out");
  const ConsoleResult r = box.Run({"-d", "-q", "-i", "in", "-o", "./out", "--width=50",
                                   "--height=40", "--width-unit=percent", "--tiff-compression=lzw",
                                   "--file-timestamp=custom", "--file-timestamp-custom=86400"});
  EXPECT_EQ(0, r.status);
  const std::string out = box.Path("out/");
  EXPECT_EQ((Lines{"Input: in",
                   "Output: ./out",
                   "Conversion: tiff",
                   "TIFF BPP: 0",
                   "TIFF Compression: lzw",
                   "TIFF Color Mode: rgb",
                   "Width: 50 percent",
                   "Height: 40 pixels",
                   "Keep Aspect Ratio: 0",
                   "Image Resize Type: allimages",
                   "Image Resize Algorithm: bicubic",
                   "Flip Horizontal: 0",
                   "Flip Vertical: 0",
                   "Greyscale: 0",
                   "Frame: none",
                   "Watermark: none",
                   "Filename Mask: %filename%.%ext%",
                   "File Timestamp: custom",
                   "Custom Timestamp: 86400",
                   "Keep Subfolders: 1",
                   "Processing: " + box.Path("in/a.pcd"),
                   "File Format: [ERROR] UNRECOGNIZED",
                   "[OK] Saving As: " + out + "a.tiff"}),
            r.lines);
}

TEST(ConsoleJob, AFolderTreeKeepsItsSubfoldersUnlessTold) {
  ConsoleSandbox box;
  box.PhotoCd("in/sub/deeper/a.pcd");
  box.PhotoCd("in/b.PCD");
  box.Write("in/empty.pcd", "");
  box.Write("in/notes.txt", "not a picture");
  box.MakeFolders("out");
  ConsoleResult r = box.Run({"-q", "-i", "in/", "-o", "out"});
  EXPECT_EQ(0, r.status);
  EXPECT_EQ(Lines{}, r.lines);
  EXPECT_TRUE(Exists(box.Path("out/sub/deeper/a.tiff")));
  EXPECT_TRUE(Exists(box.Path("out/b.tiff")));

  box.MakeFolders("flat");
  r = box.Run({"-i", "in", "-o", "flat", "--no-subfolders"});
  EXPECT_EQ(0, r.status);
  EXPECT_EQ("Import complete, new files added: 2", r.lines.at(6));
  EXPECT_TRUE(Exists(box.Path("flat/a.tiff")));
  EXPECT_FALSE(Exists(box.Path("flat/sub")));
}

TEST(ConsoleJob, AFolderWithADotAndABlankIsAFolder) {
  ConsoleSandbox box;
  box.PhotoCd("my.photos 2/a.pcd");
  const ConsoleResult r = box.Run({"-q", "-i", "my.photos 2"});
  EXPECT_EQ(0, r.status);
  EXPECT_TRUE(Exists(box.Path("my.photos 2/a.tiff")));
}

TEST(ConsoleJob, AListImportsFilesAndFoldersOnceAndSkipsJunk) {
  ConsoleSandbox box;
  box.PhotoCd("pics/one.pcd");
  box.PhotoCd("pics/two.pcd");
  box.PhotoCd("tree/sub/three.pcd");
  box.Write("pics/photo.jpg", "jpeg");
  box.MakeFolders("out");
  // A byte-order mark, CR LF ends, blanks, a missing file, a picture of
  // another kind, a folder, and the same file twice (once inside the folder).
  box.Write("list.txt",
            "\xEF\xBB\xBFpics/one.pcd\r\n  pics/two.pcd\t\r\n\r\nmissing.pcd\n"
            "pics/photo.jpg\ntree\npics/one.pcd\ntree/sub/three.pcd\n");
  const ConsoleResult r = box.Run({"-i", "list.txt", "-o", "out"});
  EXPECT_EQ(0, r.status);
  EXPECT_EQ("Import complete, new files added: 3", r.lines.at(6));
  EXPECT_EQ("Files converted: 3 of 3", r.lines.back());
  // List entries have no subfolder: everything lands in the output folder.
  for (const char* name : {"out/one.tiff", "out/two.tiff", "out/three.tiff"})
    EXPECT_TRUE(Exists(box.Path(name))) << name;
  EXPECT_EQ(3, CountEntries(box.Path("out")));
}

TEST(ConsoleJob, NothingToImportStopsWithStatusTwo) {
  ConsoleSandbox box;
  box.Write("in/readme.txt", "no pictures here");
  box.Write("junk.lst", "nothing\n\n   \n");
  for (const Lines& args : {Lines{"-q", "-i", "in"}, Lines{"-q", "-i", "junk.lst"}}) {
    const ConsoleResult r = box.Run(args);
    EXPECT_EQ(2, r.status);
    EXPECT_EQ((Lines{"Conversion stopped",
                     "No input file(s) found. Please, add valid file(s) and try again!"}),
              r.lines);
  }
}

TEST(ConsoleJob, AFailedFileNeverStopsTheJob) {
  ConsoleSandbox box;
  box.PhotoCd("in/good.pcd");
  box.Write("in/bad.pcd", std::string(4096, 'x'));  // neither converter nor loader decodes it
  ConsoleResult r = box.Run({"-q", "-i", "in"});
  EXPECT_EQ(2, r.status);
  EXPECT_EQ(Lines{}, r.lines);
  EXPECT_TRUE(Exists(box.Path("in/good.tiff")));
  EXPECT_FALSE(Exists(box.Path("in/bad.tiff")));

  // In list order the failed file comes first: it must not use up a number.
  box.Write("list.txt", "in/bad.pcd\nin/good.pcd\n");
  box.MakeFolders("numbered");
  r = box.Run({"-i", "list.txt", "-o", "numbered", "-d", "--filename-mask=%n%"});
  EXPECT_EQ(2, r.status);
  const auto bad = std::find(r.lines.begin(), r.lines.end(), "Processing: in/bad.pcd");
  ASSERT_LT(bad + 2, r.lines.end());
  EXPECT_EQ("[ERROR] Unable to convert the file!", *(bad + 2));
  EXPECT_EQ("Files converted: 1 of 2", r.lines.back());
  EXPECT_TRUE(Exists(box.Path("numbered/00001")));
  EXPECT_EQ(1, CountEntries(box.Path("numbered")));

  std::filesystem::remove(box.Path("in/good.pcd"));
  r = box.Run({"-q", "-i", "in"});
  EXPECT_EQ(2, r.status);
  EXPECT_EQ(Lines{"Conversion stopped"}, r.lines);
}

TEST(ConsoleJob, NamesFollowTheMaskWithEveryCounter) {
  ConsoleSandbox box;
  for (const char* name : {"in/a.pcd", "in/b.pcd", "in/c.pcd"})
    box.PhotoCd(name);
  box.MakeFolders("out");
  const ConsoleResult r = box.Run(
      {"-q", "-i", "in", "-o", "out", "--filename-mask=Photo_%N%_%width%x%height%_%bpp%.%EXT[u]%"},
      {{"FAKE_LEVELS", "3"}});
  EXPECT_EQ(0, r.status);
  for (const char* name : {"out/photo_00001_768x512_24.TIFF", "out/photo_00002_768x512_24.TIFF",
                           "out/photo_00003_768x512_24.TIFF"})
    EXPECT_TRUE(Exists(box.Path(name))) << name;
}

TEST(ConsoleJob, TiffOptionsDecideDepthAndStillSave) {
  struct Case {
    Lines options;
    int bpp;
  };

  const Case cases[] = {
      {{"--tiff-bpp=8", "--tiff-compression=lzw"}, 8},
      {{"--tiff-bpp=1", "--tiff-compression=ccittfax4"}, 1},
      {{"--tiff-bpp=32", "--tiff-compression=deflate"}, 32},
      {{"--tiff-bpp=48", "--tiff-compression=packbits"}, 48},
      {{"--tiff-color-mode=cmyk"}, 24},
  };
  ConsoleSandbox box;
  box.PhotoCd("a.pcd");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.options.front());
    Lines args = {"-q", "-i", "a.pcd"};
    args.insert(args.end(), c.options.begin(), c.options.end());
    const ConsoleResult r = box.Run(args);
    EXPECT_EQ(0, r.status);
    EXPECT_EQ(c.bpp, ReadSaved(box.Path("a.tiff")).bpp);
    std::filesystem::remove(box.Path("a.tiff"));
  }
}

TEST(ConsoleJob, LeavesTheUsersOwnFilesAlone) {
  ConsoleSandbox box;
  box.PhotoCd("IMG0001.pcd");
  box.Write("IMG0001.tga", "mine");  // the name a temporary picture would have
  const ConsoleResult r = box.Run({"-q", "-i", "IMG0001.pcd"}, {{"FAKE_LEVELS", "3"}});
  EXPECT_EQ(0, r.status);
  std::ifstream mine(box.Path("IMG0001.tga"));
  std::string text;
  std::getline(mine, text);
  EXPECT_EQ("mine", text);
  EXPECT_EQ(0, CountEntries(box.tmp()));
  // A relative file without -o is converted into the current folder.
  EXPECT_TRUE(Exists(box.Path("IMG0001.tiff")));
}

TEST(ConsoleJob, UnusableFoldersAndFilesAreRefusedUpFront) {
  if (geteuid() == 0)
    GTEST_SKIP() << "permissions do not bind root";
  ConsoleSandbox box;
  box.PhotoCd("a.pcd");
  box.PhotoCd("locked.pcd");
  box.MakeFolders("readonly");
  std::filesystem::permissions(box.Path("readonly"), std::filesystem::perms::owner_read
                                                         | std::filesystem::perms::owner_exec);
  std::filesystem::permissions(box.Path("locked.pcd"), std::filesystem::perms::none);
  EXPECT_EQ(Lines{"Error: Invalid output folder"},
            box.Run({"-q", "-i", "a.pcd", "-o", "readonly"}).lines);
  EXPECT_EQ(Lines{"Error: Invalid input file"}, box.Run({"-q", "-i", "locked.pcd"}).lines);
  std::filesystem::permissions(box.Path("readonly"), std::filesystem::perms::owner_all);
}

TEST(ConsoleJob, PauseDoesNotWaitWithoutATerminal) {
  ConsoleSandbox box;
  box.PhotoCd("a.pcd");
  const ConsoleResult r = box.Run({"-i", "a.pcd", "-q", "-p"});
  EXPECT_EQ(0, r.status);
  EXPECT_EQ(Lines{"Press any key to exit."}, r.lines);
}

TEST(ConsoleJob, AProfileAppliesWhereItStands) {
  ConsoleSandbox box;
  box.PhotoCd("a.pcd");
  box.Write("p.ini", "[cli]\n--TIFF-BPP=8\n");
  // The later option wins over the profile.
  ConsoleResult r = box.Run({"-q", "--profile=p.ini", "-i", "a.pcd", "--tiff-bpp=32"});
  EXPECT_EQ(0, r.status);
  EXPECT_EQ(32, ReadSaved(box.Path("a.tiff")).bpp);
}

}  // namespace
