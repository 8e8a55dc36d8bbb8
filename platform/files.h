#pragma once

#include <cstdint>
#include <optional>
#include <string>

/// Size of the file at `path`: -1 when nothing is there, -2 for a folder.
std::int64_t FileSize(const std::string& path);

bool IsFolder(const std::string& path);

/// Creates one folder level; true when it exists afterwards.
bool MakeFolder(const std::string& path);

/// Removes a file (not a folder); true when nothing is left at `path`.
bool RemoveFile(const std::string& path);

/// Modification time as seconds since the epoch, or nothing when unreadable.
std::optional<std::int64_t> ModificationTime(const std::string& path);

/// Sets only the modification time (the access time is left alone).
bool SetModificationTime(const std::string& path, std::int64_t seconds);

/// The folder of the running executable, with a trailing '/'.
std::string ProgramFolder();

/// The file name of the running executable, without its folder ("marlenta").
std::string ProgramFileName();

/// The per-user data folder with a trailing '/': $XDG_CONFIG_HOME or
/// ~/.config, then Quillorb/marlenta/, created level by level; when neither
/// variable is set, the current folder ("").
std::string DataFolder();

/// A private folder made with mkdtemp under $TMPDIR (default /tmp) and removed
/// with everything in it when the owner goes away; nothing else is touched.
class ScopedTempDir {
 public:
  ScopedTempDir();
  ~ScopedTempDir();
  ScopedTempDir(const ScopedTempDir&) = delete;
  ScopedTempDir& operator=(const ScopedTempDir&) = delete;
  ScopedTempDir(ScopedTempDir&& other) noexcept;
  ScopedTempDir& operator=(ScopedTempDir&& other) noexcept;

  bool ok() const { return !path_.empty(); }

  /// The folder with a trailing '/', or "" when it could not be made.
  const std::string& path() const { return path_; }

 private:
  void Remove();
  std::string path_;
};
