// Profiles through the real executable: where --profile stands among the
// options decides what wins, and a bad profile file stops the job.
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "tests/helpers/scratch.h"

namespace {

struct Outcome {
  int status = -1;
  std::string out;
};

class ProfileCli : public testing::Test {
 protected:
  // Runs marlenta in the scratch folder with its own lock folder, so parallel
  // tests never meet on the single-instance lock.
  Outcome Marlenta(const std::string& args) {
    const std::string command = "cd '" + dir_.path() + "' && XDG_RUNTIME_DIR='" + dir_.path()
                                + "' '" + MARLENTA_EXE + "' " + args + " >out 2>&1";
    Outcome run;
    run.status = RunShell(command);
    std::ifstream in(dir_.Path("out"));
    std::stringstream text;
    text << in.rdbuf();
    run.out = text.str();
    return run;
  }

  // A job that stops at its height check, after the debug line of the width.
  std::string Job() const {
    return "-d -i '" + std::string(MARLENTA_SAMPLES) + "/hopper.pcd' -o '" + dir_.path() + "'";
  }

  ScratchFolder dir_;
};

TEST_F(ProfileCli, TheLaterOfProfileAndOptionWins) {
  ASSERT_TRUE(WriteFile(dir_.Path("p.ini"), "[cli]\r\n--width = 111\r\n"));
  Outcome run = Marlenta(Job() + " --profile=p.ini --width=222");
  EXPECT_NE(std::string::npos, run.out.find("Width: 222 pixels")) << run.out;
  run = Marlenta(Job() + " --width=222 --profile=p.ini");
  EXPECT_NE(std::string::npos, run.out.find("Width: 111 pixels")) << run.out;
  EXPECT_NE(std::string::npos, run.out.find("Error: Invalid height value")) << run.out;
}

TEST_F(ProfileCli, AnUnreadableProfileStopsTheJob) {
  std::filesystem::create_directory(dir_.Path("folder.ini"));
  const std::string huge = dir_.Path("huge.ini");
  ASSERT_TRUE(WriteFile(huge, "[CLI]\n"));
  std::filesystem::resize_file(huge, std::uintmax_t{8} << 30);  // sparse
  for (const char* profile : {"missing.ini", "folder.ini", "huge.ini"}) {
    SCOPED_TRACE(profile);
    const Outcome run = Marlenta(Job() + " --profile=" + profile);
    ASSERT_TRUE(WIFEXITED(run.status));
    EXPECT_EQ(1, WEXITSTATUS(run.status));
    EXPECT_NE(std::string::npos, run.out.find("Error: Invalid profile file")) << run.out;
    EXPECT_EQ(std::string::npos, run.out.find("Input: ")) << run.out;  // no job ran
  }
}

TEST_F(ProfileCli, ABinaryProfileIsReadWithoutHarm) {
  const Outcome run =
      Marlenta(Job() + " --profile='" + std::string(MARLENTA_SAMPLES) + "/hopper.pcd' --width=5");
  ASSERT_TRUE(WIFEXITED(run.status)) << run.out;  // no crash
  EXPECT_NE(std::string::npos, run.out.find("Width: 5 pixels")) << run.out;
}

}  // namespace
