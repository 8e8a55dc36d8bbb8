#pragma once

#include <map>
#include <string>
#include <vector>

#include "tests/helpers/scratch.h"

/// What one run of the real executable left behind.
struct ConsoleResult {
  int status = -1;                 // exit status, or -1 when it did not exit normally
  std::vector<std::string> lines;  // standard output, split at LF
  std::string out;                 // standard output as written
  std::string err;                 // standard error as written
};

/// A private world for running `marlenta` as a user would: its own current
/// folder, HOME, XDG folders, TMPDIR and runtime folder (so no real user
/// state is touched and runs never share the single-instance lock), stdin
/// on /dev/null.
class ConsoleSandbox {
 public:
  ConsoleSandbox();

  /// The current folder of the runs, with a trailing '/'.
  const std::string& cwd() const { return cwd_; }

  std::string Path(const std::string& relative) const { return cwd_ + relative; }

  /// The folder that TMPDIR names (the runs' temporary folders go there).
  const std::string& tmp() const { return tmp_; }

  /// Makes the folders of `relative` and writes `bytes` there.
  void Write(const std::string& relative, const std::string& bytes);
  /// Makes a folder (and its parents) below the current folder.
  void MakeFolders(const std::string& relative);
  /// Copies a small Photo CD sample (a Base-only file) to `relative`.
  void PhotoCd(const std::string& relative);

  /// Runs the executable with `args`, extra environment variables on top
  /// of the sandbox's own; MARLENTA_CONVERTER is the fake converter unless
  /// `env` says otherwise.
  ConsoleResult Run(const std::vector<std::string>& args,
                    const std::map<std::string, std::string>& env = {}) const;

 private:
  ScratchFolder root_;
  std::string cwd_, tmp_;
};

/// Width, height and bit depth of a saved picture, {0, 0, 0} when unreadable.
struct SavedPicture {
  int width = 0, height = 0, bpp = 0;
  friend bool operator==(const SavedPicture&, const SavedPicture&) = default;
};

SavedPicture ReadSaved(const std::string& path);
