// A second copy of the same version must not run; a console start says so
// and exits 3, a window start stays silent.
#include <sys/wait.h>

#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "app/program.h"
#include "platform/instance_lock.h"
#include "tests/helpers/scratch.h"

namespace {

std::string Slurp(const std::string& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(Startup, ASecondCopyIsRefused) {
  ScratchFolder runtime;
  setenv("XDG_RUNTIME_DIR", runtime.path().c_str(), 1);
  InstanceLock held(ProgramTitle());
  ASSERT_TRUE(held.held());
  const std::string run = "cd '" + runtime.path() + "' && '" + MARLENTA_EXE + "'";

  int status = RunShell(run + " -h >out 2>err");
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(3, WEXITSTATUS(status));
  EXPECT_EQ("", Slurp(runtime.Path("out")));
  EXPECT_EQ("Marlenta 3.2 is already running\n", Slurp(runtime.Path("err")));

  status = RunShell(run + " >out 2>err");
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(0, WEXITSTATUS(status));
  EXPECT_EQ("", Slurp(runtime.Path("out")) + Slurp(runtime.Path("err")));
  unsetenv("XDG_RUNTIME_DIR");
}

}  // namespace
