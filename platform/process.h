#pragma once

#include <string>
#include <vector>

struct ProcessResult {
  bool started = false;
  int exit_code = -1;  // when it exited on its own
  int signal = 0;      // when a signal ended it

  bool Succeeded() const { return started && signal == 0 && exit_code == 0; }
};

/// Runs an argument vector directly (never through a shell), with standard
/// input and output on /dev/null, and waits for it to end.
class ProcessRunner {
 public:
  virtual ~ProcessRunner() = default;
  virtual ProcessResult Run(const std::vector<std::string>& argv) = 0;
};

/// posix_spawnp + waitpid; argv[0] is looked up on PATH when it holds no '/'.
class PosixProcessRunner : public ProcessRunner {
 public:
  ProcessResult Run(const std::vector<std::string>& argv) override;
};

/// The external Photo CD converter to run: $MARLENTA_CONVERTER when set, else
/// marlenta-pcd in `program_folder`, else `convert` on PATH, else `magick`.
/// Returns the path or command name to put in argv[0].
std::string FindConverter(const std::string& program_folder);

/// Whether `name` (a path, or a command looked up on PATH) is an executable file.
bool IsExecutable(const std::string& name);
