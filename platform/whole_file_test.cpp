#include "platform/whole_file.h"

#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "platform/files.h"

namespace fs = std::filesystem;

TEST(WholeFile, ReadStopsAtTheLimit) {
  ScopedTempDir dir;
  const std::string path = dir.path() + "f";
  std::ofstream(path) << "12345";
  EXPECT_EQ("12345", ReadWholeFile(path, 5));
  EXPECT_FALSE(ReadWholeFile(path, 4));
  EXPECT_FALSE(ReadWholeFile(dir.path(), 100));
  EXPECT_FALSE(ReadWholeFile("/dev/zero", 1 << 20));  // endless: refused, not hung
}

TEST(WholeFile, ReplaceKeepsModeAndLinksAndLeavesNoTemporary) {
  ScopedTempDir dir;
  const std::string target = dir.path() + "real.ini";
  const std::string link = dir.path() + "link.ini";
  std::ofstream(target) << "old";
  chmod(target.c_str(), 0640);
  fs::create_symlink(target, link);

  ASSERT_TRUE(ReplaceFile(link, "new"));
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ("new", ReadWholeFile(target, 100));
  EXPECT_EQ(fs::perms(0640), fs::status(target).permissions() & fs::perms::all);
  EXPECT_EQ(2, std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()));

  const std::string fresh = dir.path() + "fresh.ini";
  ASSERT_TRUE(ReplaceFile(fresh, ""));
  EXPECT_EQ(fs::perms(0600), fs::status(fresh).permissions() & fs::perms::all);
}

TEST(WholeFile, FailedReplaceLeavesTheOldFile) {
  ScopedTempDir dir;
  const std::string folder = dir.path() + "in the way";
  fs::create_directory(folder);
  std::ofstream(folder + "/keep") << "x";
  EXPECT_FALSE(ReplaceFile(folder, "new"));
  EXPECT_TRUE(fs::is_directory(folder));
  EXPECT_EQ(1, std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()));
  EXPECT_FALSE(ReplaceFile(dir.path() + "missing/f", "new"));
}
