#pragma once

#include <string>

#include "engine/picture.h"
#include "platform/files.h"

/// A private folder for one test, removed with its contents afterwards.
class ScratchFolder {
 public:
  /// The folder with a trailing '/'.
  const std::string& path() const { return dir_.path(); }

  std::string Path(const std::string& name) const { return dir_.path() + name; }

 private:
  ScopedTempDir dir_;
};

/// Number of entries in a folder (not counting . and ..).
int CountEntries(const std::string& folder);

/// Writes `bytes` to a file; true on success.
bool WriteFile(const std::string& path, const std::string& bytes);

/// A 24-bit picture whose every pixel is `grey`.
Picture GreyPicture(int width, int height, unsigned char grey);

/// The blue, green, red bytes of a pixel of a 24- or 32-bit picture.
struct Bgr {
  unsigned char b, g, r;
  friend bool operator==(const Bgr&, const Bgr&) = default;
};

Bgr PixelAt(const Picture& pic, int x, int y);

/// Runs a shell command line (tests only: fixed texts) and returns its exit status.
int RunShell(const std::string& command);
