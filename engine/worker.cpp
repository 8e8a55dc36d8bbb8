#include <algorithm>
#include <thread>

#include "engine/pipeline.h"
#include "engine/signature.h"
#include "platform/files.h"

namespace {

// Each '/'-ended level of the subfolder is made in turn; failures show up
// later as a failed save.
void MakeSubfolders(const std::string& output_folder, const std::string& subfolder) {
  std::string folder = output_folder;
  std::size_t start = 0;
  for (std::size_t slash; (slash = subfolder.find('/', start)) != std::string::npos;
       start = slash + 1) {
    folder += subfolder.substr(start, slash + 1 - start);
    if (!IsFolder(folder))
      MakeFolder(folder);
  }
}

void ApplyTimestamp(const JobState& job, const Settings& s) {
  switch (s.file_timestamp) {
    case codes::kOriginalTime:
      if (const auto original = ModificationTime(job.current_input_path))
        SetModificationTime(job.output_path, *original);
      break;
    case codes::kCustomTime:
      SetModificationTime(job.output_path, s.custom_timestamp);
      break;
    default:
      break;
  }
}

}  // namespace

void RunWorker(JobState& job, const JobList& list, const Settings& s, ProgressBlock& progress,
               EngineEnv& env) {
  const bool debug = job.input_named && job.run_mode == RunMode::kDebug && env.print;
  int converted = 0;
  int index = 0;
  std::int64_t previous_duration = 0;
  for (const JobList::Entry& entry : list.entries()) {
    if (!progress.running())
      break;
    job.current_input_path = entry.path;
    job.current_subfolder = entry.subfolder;
    progress.Publish(++index, entry.path, previous_duration);
    if (s.keep_subfolders && !IsFolder(job.output_folder + job.current_subfolder))
      MakeSubfolders(job.output_folder, job.current_subfolder);
    if (debug) {
      env.print("Processing: " + entry.path);
      env.print("File Format: " + SignatureName(entry.path));
    }
    const std::int64_t t0 = env.clock->MonotonicMs();
    if (!ConvertOneFile(job, s, env)) {
      if (debug)
        env.print("[ERROR] Unable to convert the file!");
      previous_duration = 0;
      continue;
    }
    if (debug)
      env.print("[OK] Saving As: " + job.output_path);
    previous_duration = std::max<std::int64_t>(1000, env.clock->MonotonicMs() - t0);
    job.random_number = NewRandomNumber();
    ++job.file_counter;
    ApplyTimestamp(job, s);
    ++converted;
  }
  progress.AddResults(converted);
}

int RunWorkerAndWait(JobState& job, const JobList& list, const Settings& s, ProgressBlock& progress,
                     EngineEnv& env) {
  progress.Reset();
  std::thread worker([&] { RunWorker(job, list, s, progress, env); });
  worker.join();
  return progress.Read().result_count;
}
