#include <signal.h>
#include <stdlib.h>

#include <filesystem>

#include <gtest/gtest.h>

#include "platform/files.h"
#include "platform/instance_lock.h"
#include "platform/process.h"
#include "tests/helpers/scratch.h"

TEST(PosixProcessRunner, ReportsExitStatusSignalAndFailureToStart) {
  PosixProcessRunner runner;
  EXPECT_TRUE(runner.Run({"true"}).Succeeded());
  const ProcessResult failed = runner.Run({"false"});
  EXPECT_TRUE(failed.started);
  EXPECT_EQ(1, failed.exit_code);
  EXPECT_FALSE(failed.Succeeded());
  const ProcessResult killed = runner.Run({"sh", "-c", "kill -KILL $$"});
  EXPECT_EQ(SIGKILL, killed.signal);
  EXPECT_FALSE(killed.Succeeded());
  EXPECT_FALSE(runner.Run({"/nonexistent/converter"}).started);
  EXPECT_FALSE(runner.Run({}).started);
}

TEST(PosixProcessRunner, NoShellEverSeesAnArgument) {
  ScratchFolder scratch;
  const std::string marker = scratch.Path("marker");
  PosixProcessRunner runner;
  // Were this split or interpreted by a shell, the marker would be made.
  EXPECT_TRUE(runner.Run({"echo", "x; touch " + marker, "$(touch " + marker + ")"}).Succeeded());
  EXPECT_EQ(-1, FileSize(marker));
}

TEST(InstanceLock, ASecondHolderIsRefusedUntilTheFirstLetsGo) {
  ScratchFolder runtime;
  setenv("XDG_RUNTIME_DIR", runtime.path().c_str(), 1);
  {
    InstanceLock first("Marlenta 3.2");
    ASSERT_TRUE(first.held());
    EXPECT_EQ(runtime.Path("Marlenta-3.2.lock"), first.path());
    InstanceLock second("Marlenta 3.2");
    EXPECT_FALSE(second.held());
    InstanceLock other_version("Marlenta 3.3");
    EXPECT_TRUE(other_version.held());
  }
  InstanceLock again("Marlenta 3.2");
  EXPECT_TRUE(again.held());
  unsetenv("XDG_RUNTIME_DIR");
}

TEST(ScopedTempDir, IsPrivateAndGoesWithEverythingInIt) {
  std::string path;
  {
    ScopedTempDir dir;
    ASSERT_TRUE(dir.ok());
    path = dir.path();
    EXPECT_EQ('/', path.back());
    EXPECT_EQ(std::filesystem::perms::owner_all,
              std::filesystem::status(path).permissions() & std::filesystem::perms::all);
    ASSERT_TRUE(WriteFile(path + "a.tga", "x"));
    ASSERT_TRUE(MakeFolder(path + "sub"));
  }
  EXPECT_EQ(-1, FileSize(path));
}

TEST(Files, SizesFoldersAndTimes) {
  ScratchFolder scratch;
  EXPECT_EQ(-2, FileSize(scratch.path()));
  EXPECT_EQ(-1, FileSize(scratch.Path("none")));
  ASSERT_TRUE(WriteFile(scratch.Path("f"), "abc"));
  EXPECT_EQ(3, FileSize(scratch.Path("f")));
  EXPECT_TRUE(SetModificationTime(scratch.Path("f"), 1234567890));
  EXPECT_EQ(1234567890, ModificationTime(scratch.Path("f")).value_or(0));
  EXPECT_FALSE(RemoveFile(scratch.path()));  // never a folder
  EXPECT_TRUE(RemoveFile(scratch.Path("f")));
  EXPECT_EQ('/', ProgramFolder().back());
}

TEST(DataFolder, LivesUnderTheConfigHomeAndIsCreated) {
  ScratchFolder home;
  setenv("XDG_CONFIG_HOME", home.path().c_str(), 1);
  EXPECT_EQ(home.path() + "/Quillorb/marlenta/", DataFolder());
  EXPECT_TRUE(IsFolder(home.path() + "/Quillorb/marlenta"));
  unsetenv("XDG_CONFIG_HOME");
  const char* old_home = getenv("HOME");
  const std::string saved = old_home ? old_home : "";
  unsetenv("HOME");
  EXPECT_EQ("", DataFolder());
  if (!saved.empty())
    setenv("HOME", saved.c_str(), 1);
}

TEST(FindConverter, PrefersTheVariableThenTheOwnConverter) {
  ScratchFolder folder;
  setenv("MARLENTA_CONVERTER", "/opt/conv", 1);
  EXPECT_EQ("/opt/conv", FindConverter(folder.path()));
  unsetenv("MARLENTA_CONVERTER");
  ASSERT_TRUE(WriteFile(folder.Path("marlenta-pcd"), "#!/bin/sh\n"));
  std::filesystem::permissions(folder.Path("marlenta-pcd"), std::filesystem::perms::owner_all);
  EXPECT_EQ(folder.Path("marlenta-pcd"), FindConverter(folder.path()));
  std::filesystem::remove(folder.Path("marlenta-pcd"));
  const std::string fallback = FindConverter(folder.path());
  EXPECT_TRUE(fallback == "convert" || fallback == "magick");
}
