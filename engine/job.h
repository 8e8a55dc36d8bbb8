#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <unordered_set>
#include <vector>

enum class RunMode { kNormal, kDebug, kScreenshot };

/// The per-run record shared by the run modes: which files, where to, and
/// the counters the names are made from. Folders end in '/'.
struct JobState {
  std::string program_folder;
  std::string input_path;          // the normalised input folder, or "" for file and list inputs
  std::string current_input_path;  // the file being converted (or the file/list named)
  std::string current_subfolder;   // "" or ending in '/'
  std::string output_folder;
  std::string output_path;  // the file just saved
  std::string input_extension;
  std::string output_extension;
  int output_format_id = 0;
  int output_bit_depth = 0;  // 0 = automatic until a file resolves it
  std::int32_t save_flags = 0;
  bool automatic_depth = false;
  int source_bit_depth = 0;
  int width = 0;  // after geometry, for the placeholders
  int height = 0;
  int frame = 1;
  std::int32_t random_number = 1;
  std::int32_t file_counter = 1;
  bool input_named = false;  // an input was named on the command line (a console job)
  RunMode run_mode = RunMode::kNormal;
  int preferences_start_page = 0;
};

/// A random whole number from 1 to 99999, both included.
std::int32_t NewRandomNumber();

/// Input files, each path at most once, walked in the order they were added.
class JobList {
 public:
  struct Entry {
    std::string path;
    std::string subfolder;  // relative to the input folder: "" or ending in '/'
  };

  /// False when the path is already listed.
  bool Add(std::string path, std::string subfolder);

  bool Contains(const std::string& path) const { return paths_.count(path) != 0; }

  void Clear();

  std::size_t size() const { return entries_.size(); }

  bool empty() const { return entries_.empty(); }

  const std::vector<Entry>& entries() const { return entries_; }

 private:
  std::vector<Entry> entries_;
  std::unordered_set<std::string> paths_;
};

/// The one channel between a worker or import thread and its starter. Every
/// field but the running flag is read and written under the job mutex.
class ProgressBlock {
 public:
  struct Snapshot {
    int current_index = 0;
    std::string current_file;
    std::int64_t previous_duration = 0;
    int result_count = 0;
  };

  /// Starter: zero the fields and set the running flag.
  void Reset();
  /// Worker: one entry begins.
  void Publish(int index, const std::string& file, std::int64_t previous_duration);
  /// Import threads count items as they go.
  void CountItem();
  void AddResults(int count);
  Snapshot Read() const;

  void Stop() { running_.store(false); }

  bool running() const { return running_.load(); }

 private:
  mutable std::mutex mutex_;
  Snapshot fields_;
  std::atomic<bool> running_{false};
};
