#pragma once

// Helpers for the converter's tests: a scratch folder, running programs, and
// reading and comparing the pictures they write.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace pcd::testing {

/// A fresh folder under $TMPDIR (default /tmp), removed with all it holds.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::string& path() const { return path_; }

  std::string Path(const std::string& name) const { return path_ + "/" + name; }

  /// Names of the entries in the folder, sorted.
  std::vector<std::string> Entries() const;

 private:
  std::string path_;
};

/// How a program ended: its exit status, or -signal when a signal ended it.
int RunProgram(const std::vector<std::string>& argv);

/// The engine's argument vector for `converter`, as the engine builds it.
std::vector<std::string> ConverterArgs(const std::string& converter, const std::string& input,
                                       int level, const std::string& output);

/// 8-bit RGB pixels, rows top first.
struct RgbPicture {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgb;
};

/// Reads an uncompressed 24-bit TGA, honouring the row order its header
/// declares; empty for anything else.
std::optional<RgbPicture> ReadTga(const std::string& path);

/// Reads a binary 8-bit PPM (P6); empty for anything else.
std::optional<RgbPicture> ReadPpm(const std::string& path);

/// ImageMagick's reading of level `level` of `pcd_file`, through the same
/// options the engine gives it, or empty when it fails.
std::optional<RgbPicture> ImageMagickReading(const std::string& pcd_file, int level,
                                             const ScratchFolder& scratch);

/// Peak signal-to-noise ratio in dB over all channels; 999 for identical
/// pictures, -1 when the sizes differ.
double Psnr(const RgbPicture& a, const RgbPicture& b);

/// A copy of `from` at `to` with `patch` written at `offset` (the file grows
/// when needed); false when it cannot be made.
bool CopyWithPatch(const std::string& from, const std::string& to, std::size_t offset,
                   const std::vector<std::uint8_t>& patch);

}  // namespace pcd::testing
