#include "cli/batch_job.h"

#include <unistd.h>

#include <filesystem>
#include <memory>

#include "cli/command_line.h"
#include "cli/job_checks.h"
#include "cli/job_import.h"
#include "cli/progress_line.h"
#include "engine/output_depth.h"
#include "engine/watermark.h"
#include "persist/text_table.h"
#include "platform/files.h"
#include "platform/text_case.h"
#include "settings/extensions.h"
#include "settings/formats.h"

namespace {

constexpr FolderCheck kInputFolder{"Incorrect input folder", "Invalid input folder", R_OK | X_OK};
constexpr FolderCheck kOutputFolder{"Incorrect output folder", "Invalid output folder",
                                    W_OK | X_OK};

// Relative paths are taken from the current folder, as every Linux command
// takes them (the program's own folder is a system folder).
std::string CurrentFolder() {
  std::error_code error;
  std::string folder = std::filesystem::current_path(error).string();
  if (error)
    return {};
  return folder.back() == '/' ? folder : folder + '/';
}

std::string FolderPart(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// A file input moves to the current input path and leaves the input path
// empty; a folder input becomes an absolute folder.
std::optional<std::string> ResolveInput(JobState& job, const std::string& current) {
  if (NamesFile(job.input_path)) {
    job.current_input_path = std::move(job.input_path);
    job.input_path.clear();
    const std::string& file = job.current_input_path;
    // An unreadable file would only fail later, after the whole set-up.
    if (FileSize(file) <= 0 || access(file.c_str(), R_OK) != 0)
      return "Invalid input file";
    return std::nullopt;
  }
  return NormaliseFolder(job.input_path, current, kInputFolder);
}

std::optional<std::string> ResolveOutput(JobState& job, const std::string& current,
                                         const DebugPrint& debug) {
  if (job.output_folder.empty())
    job.output_folder =
        job.input_path.empty() ? FolderPart(job.current_input_path) : job.input_path;
  if (debug)
    debug("Output: " + job.output_folder);
  return NormaliseFolder(job.output_folder, current, kOutputFolder);
}

std::optional<std::string> ResolveConversion(JobState& job, const DebugPrint& debug) {
  if (job.input_extension.empty())
    job.input_extension = kInputExtensions.front();
  if (job.output_extension.empty())
    job.output_extension = kOutputExtensions.front();
  if (debug)
    debug("Conversion: " + job.output_extension);
  if (!IsValidOutput(job.output_extension))
    return "Invalid conversion type";
  return std::nullopt;
}

bool IsListFile(const std::string& path) {
  const std::size_t dot = path.rfind('.');
  const std::string extension = ToLower(dot == std::string::npos ? "" : path.substr(dot + 1));
  return extension == "txt" || extension == "lst";
}

int Import(const JobState& job, JobList& list, Console& console) {
  if (job.input_path.empty() && !IsListFile(job.current_input_path))
    return AddOneFile(job.current_input_path, job.input_path, list) ? 1 : 0;
  ProgressBlock progress;
  progress.Reset();
  RunAndWatch(
      [&] {
        if (job.input_path.empty())
          ImportList(job.current_input_path, list, progress);
        else
          ImportFolder(job.input_path, list, progress);
      },
      [&] { console.Status("Importing: " + std::to_string(progress.Read().current_index)); });
  console.ClearStatus();
  return progress.Read().result_count;
}

int Convert(const Settings& s, JobState& job, const JobList& list, Console& console,
            EngineEnv& env) {
  ProgressBlock progress;
  progress.Reset();
  TimeLeft time_left;
  const int total = static_cast<int>(list.size());
  RunAndWatch([&] { RunWorker(job, list, s, progress, env); },
              [&] {
                const ProgressBlock::Snapshot now = progress.Read();
                const std::int64_t ms = env.clock->MonotonicMs();
                time_left.Update(now.current_index, ms);
                console.Status(ConvertProgressText(now.current_index, total, now.current_file,
                                                   time_left.Estimate(total, ms)));
              });
  console.ClearStatus();
  return progress.Read().result_count;
}

// The checks, in their fixed order; the first failure ends the job.
std::optional<std::string> Prepare(const Settings& s, JobState& job, const DebugPrint& debug,
                                   std::shared_ptr<const WatermarkFont>* font) {
  const std::string current = CurrentFolder();
  if (debug)
    debug("Input: " + job.input_path);
  if (auto error = ResolveInput(job, current))
    return error;
  if (auto error = ResolveOutput(job, current, debug))
    return error;
  if (auto error = ResolveConversion(job, debug))
    return error;
  if (auto error = CheckFormats(s, job, debug))
    return error;
  return CheckEdits(s, debug, font);
}

}  // namespace

int RunConsoleJob(const Settings& s, JobState& job, JobList& list, Console& console, bool quiet,
                  EngineEnv& env) {
  const auto status = [&](const std::string& line) {
    if (!quiet)
      console.Print(line);
  };
  DebugPrint debug;
  if (job.run_mode == RunMode::kDebug)
    debug = [&console](const std::string& line) {
      console.Print(line);
    };

  status(Text("General", "Preparing"));
  std::shared_ptr<const WatermarkFont> font;
  if (auto error = Prepare(s, job, debug, &font)) {
    console.Print("Error: " + *error);
    return kExitError;
  }
  PrepareOutput(job, s);

  status(Text("General", "Importing"));
  const int imported = Import(job, list, console);
  status(FormatText(Text("Msg", "Import complete"), std::to_string(imported)));
  if (imported == 0) {
    console.Print(Text("Msg", "Conversion is not complete"));
    console.Print(Text("Msg", "Empty input files"));
    return kExitIncomplete;
  }

  status(Text("General", "Converting"));
  // Every temporary picture of the run lives here and goes with it, also
  // after a failed file; nothing is ever made in the user's folders.
  ScopedTempDir temp;
  if (!temp.ok()) {
    console.Print("Error: Unable to create a temporary folder");
    return kExitError;
  }
  env.temp_folder = temp.path();
  env.font = font.get();
  env.print = debug ? [&console](std::string_view line) { console.Print(line); }
                    : std::function<void(std::string_view)>();
  const int converted = Convert(s, job, list, console, env);
  if (converted > 0) {
    status(Text("Msg", "Conversion complete"));
    status(FormatText(Text("Msg", "Files converted"), std::to_string(converted),
                      std::to_string(imported)));
  } else {
    console.Print(Text("Msg", "Conversion is not complete"));
  }
  return converted == imported ? kExitOk : kExitIncomplete;
}
