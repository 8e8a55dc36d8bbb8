#include <cstdio>
#include <string>
#include <vector>

#include "app/program.h"
#include "cli/command_line.h"
#include "platform/instance_lock.h"

#ifdef MARLENTA_HAVE_GUI
int RunWindowMode(int argc, char** argv);
#endif

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  const std::string title = ProgramTitle();
  InstanceLock lock(title);
  if (!lock.held()) {
    // A second window start stays silent; a console start says why it did nothing.
    if (args.empty())
      return kExitOk;
    std::fprintf(stderr, "%s is already running\n", title.c_str());
    return kExitAlreadyRunning;
  }
  if (const std::optional<int> status = RunCommandLine(args))
    return *status;
#ifdef MARLENTA_HAVE_GUI
  return RunWindowMode(argc, argv);
#else
  std::fprintf(stderr, "%s: the window mode is not part of this build\n", title.c_str());
  return kExitError;
#endif
}
