#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

/// Exit statuses of the process (a failed job is told apart from a good one).
enum ExitStatus : int {
  kExitOk = 0,
  kExitError = 1,       // an "Error: " line was printed
  kExitIncomplete = 2,  // a console job imported no file or converted fewer than it imported
  kExitAlreadyRunning = 3,
};

/// The special starts that open windows of their own; the window mode
/// supplies them. Each returns the exit status.
struct WindowModes {
  std::function<int()> uninstall_feedback;                   // -U
  std::function<int(const std::string& folder)> screenshot;  // -T FOLDER
};

/// Hands the command line (without the program path) to the console front
/// end. Returns the exit status of a console outcome, or nothing when the
/// window mode should start (no parameters, or no input and no error).
std::optional<int> RunCommandLine(const std::vector<std::string>& args,
                                  const WindowModes& modes = {});
