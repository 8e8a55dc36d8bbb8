#include "cli/command_line.h"

#include <cstdio>
#include <ctime>
#include <random>
#include <string_view>

#include "app/program.h"
#include "cli/batch_job.h"
#include "cli/console.h"
#include "cli/help.h"
#include "cli/options.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/process.h"
#include "platform/terminal.h"
#include "services/job_reset.h"
#include "settings/extensions.h"
#include "settings/settings_table.h"

namespace {

constexpr std::string_view kRightsNotice =
    "Copyright \u00A9 2009-2024 Quillorb. All rights reserved.";
constexpr std::string_view kWebAddress = "https://www.quillorb.example/";

std::string ConsoleRightsNotice() {
  std::string notice(kRightsNotice);
  for (std::size_t at; (at = notice.find("\u00A9")) != std::string::npos;)
    notice.replace(at, std::string_view("\u00A9").size(), "(c)");
  return notice;
}

std::string_view AnyInputExtension() {
  static std::mt19937 generator{std::random_device{}()};
  return kInputExtensions[std::uniform_int_distribution<std::size_t>(
      0, kInputExtensions.size() - 1)(generator)];
}

int PrintVersion(const std::vector<std::string>&, const WindowModes&) {
  Console console;
  console.Print(VersionText(kVersionNumber));
  return kExitOk;
}

int PrintHelp(const std::vector<std::string>&, const WindowModes&) {
  Console console;
  for (const std::string& line :
       HelpLines(ProgramFileName(), AnyInputExtension(), kOutputExtensions.front()))
    console.Print(line);
  return kExitOk;
}

int WindowModeMissing() {
  std::fprintf(stderr, "%s: the window mode is not part of this build\n", ProgramTitle().c_str());
  return kExitError;
}

int UninstallFeedback(const std::vector<std::string>&, const WindowModes& modes) {
  return modes.uninstall_feedback ? modes.uninstall_feedback() : WindowModeMissing();
}

int Screenshot(const std::vector<std::string>& args, const WindowModes& modes) {
  const std::string folder = args.size() > 1 ? OptionValue(args[1]) : std::string();
  return modes.screenshot ? modes.screenshot(folder) : WindowModeMissing();
}

struct SpecialStart {
  std::string_view names[3];
  int (*run)(const std::vector<std::string>& args, const WindowModes& modes);
};

// Only the first parameter is looked at for these.
constexpr SpecialStart kSpecialStarts[] = {
    {{"-U"}, UninstallFeedback},
    {{"-T"}, Screenshot},
    {{"-V", "--VERSION"}, PrintVersion},
    {{"-H", "-?", "--HELP"}, PrintHelp},
};

const SpecialStart* FindSpecialStart(const std::string& first) {
  const std::string name = OptionName(first);
  for (const SpecialStart& start : kSpecialStarts)
    for (std::string_view candidate : start.names)
      if (!candidate.empty() && candidate == name)
        return &start;
  return nullptr;
}

ResetContext ConsoleDefaults() {
  ResetContext context;
  context.keep_proportions = true;  // a console run starts with `Keep Aspect Ratio` off
  context.now = static_cast<std::int64_t>(std::time(nullptr));
  context.first_input_extension = kInputExtensions.front();
  context.first_output_extension = kOutputExtensions.front();
  return context;
}

int RunJob(const Settings& s, JobState& job, JobList& list, const ParsedOptions& parsed) {
  Console console(!parsed.quiet);
  if (!parsed.quiet) {
    console.Print(ProgramTitle());
    console.Print(ConsoleRightsNotice());
    console.Print(kWebAddress);
    console.Print(" ");
  }
  PosixProcessRunner runner;
  SystemClock clock;
  EngineEnv env;
  env.runner = &runner;
  env.clock = &clock;
  env.converter = FindConverter(ProgramFolder());
  const int status = RunConsoleJob(s, job, list, console, parsed.quiet, env);
  if (parsed.pause) {
    console.Print("Press any key to exit.");
    WaitForKey();
  }
  return status;
}

}  // namespace

std::optional<int> RunCommandLine(const std::vector<std::string>& args, const WindowModes& modes) {
  if (args.empty())
    return std::nullopt;
  JobState job;
  JobList list;
  ResetJobState(job, list);
  Settings s;
  ResetSettings(s, ConsoleDefaults());
  if (const SpecialStart* start = FindSpecialStart(args.front()))
    return start->run(args, modes);

  const ParsedOptions parsed = ParseOptions(args, s, job);
  if (!parsed.error.empty()) {
    Console console;
    console.Print("Error: " + parsed.error);
    if (parsed.pause)
      WaitForKey();
    return kExitError;
  }
  if (!job.input_named)
    return std::nullopt;
  return RunJob(s, job, list, parsed);
}
