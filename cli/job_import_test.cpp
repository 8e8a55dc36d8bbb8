#include "cli/job_import.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "tests/helpers/scratch.h"

namespace {

TEST(RelativeSubfolder, IsThePartBelowTheInputFolder) {
  struct Case {
    const char* path;
    const char* folder;
    const char* expected;
  };

  const Case cases[] = {
      {"/in/a.pcd", "/in/", ""},
      {"/in/sub/deeper/a.pcd", "/in/", "sub/deeper/"},
      {"/in/a.pcd", "", ""},
      {"", "/in/", ""},
      {"/elsewhere/a.pcd", "/in/", ""},
      // The folder's text deeper in the path is a subfolder's name, not the folder.
      {"/a/b/a/c/x.pcd", "/a/", "b/a/c/"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.expected, RelativeSubfolder(c.path, c.folder)) << c.path;
}

TEST(AddOneFile, TakesEachAcceptedFileOnce) {
  ScratchFolder dir;
  WriteFile(dir.Path("a.PCD"), "x");
  WriteFile(dir.Path("b.pcd"), "");
  WriteFile(dir.Path("c.jpg"), "x");
  WriteFile(dir.Path("d.pcds"), "x");
  JobList list;
  EXPECT_TRUE(AddOneFile(dir.Path("a.PCD"), dir.path(), list));
  EXPECT_FALSE(AddOneFile(dir.Path("a.PCD"), dir.path(), list));
  EXPECT_FALSE(AddOneFile(dir.Path("b.pcd"), dir.path(), list));  // empty
  EXPECT_FALSE(AddOneFile(dir.Path("c.jpg"), dir.path(), list));
  EXPECT_TRUE(AddOneFile(dir.Path("d.pcds"), dir.path(), list));
  EXPECT_FALSE(AddOneFile(dir.Path("noextension"), dir.path(), list));
  EXPECT_EQ(2u, list.size());
}

TEST(ScanFolder, WalksTheTreeAndSurvivesALinkLoop) {
  ScratchFolder dir;
  std::filesystem::create_directories(dir.Path("sub/deeper"));
  WriteFile(dir.Path("a.pcd"), "x");
  WriteFile(dir.Path("sub/deeper/b.pcd"), "x");
  std::filesystem::create_directory_symlink(dir.path(), dir.Path("sub/back"));
  JobList list;
  EXPECT_EQ(2, ScanFolder(dir.path(), dir.path(), list));
  ASSERT_EQ(2u, list.size());
  for (const JobList::Entry& entry : list.entries())
    EXPECT_EQ(entry.path == dir.Path("a.pcd") ? "" : "sub/deeper/", entry.subfolder);
}

TEST(ImportFolder, CountsItemsAndResults) {
  ScratchFolder dir;
  WriteFile(dir.Path("a.pcd"), "x");
  WriteFile(dir.Path("b.txt"), "x");
  std::filesystem::create_directories(dir.Path("sub"));
  WriteFile(dir.Path("sub/c.pcd"), "x");
  JobList list;
  ProgressBlock progress;
  progress.Reset();
  ImportFolder(dir.path(), list, progress);
  EXPECT_EQ(3, progress.Read().current_index);  // the three top-level entries
  EXPECT_EQ(2, progress.Read().result_count);

  progress.Reset();
  progress.Stop();
  ImportFolder(dir.path(), list, progress);
  EXPECT_EQ(0, progress.Read().current_index);
}

TEST(ImportList, StopsWhenTheRunningFlagIsCleared) {
  ScratchFolder dir;
  WriteFile(dir.Path("a.pcd"), "x");
  WriteFile(dir.Path("list.txt"), dir.Path("a.pcd") + "\n");
  JobList list;
  ProgressBlock progress;
  ImportList(dir.Path("list.txt"), list, progress);  // never set running
  EXPECT_TRUE(list.empty());
  progress.Reset();
  ImportList(dir.Path("list.txt"), list, progress);
  EXPECT_EQ(1, progress.Read().result_count);
}

}  // namespace
