#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

/// What the placeholders of file names and watermark texts are filled from.
struct PlaceholderValues {
  std::string input_path;        // the Photo CD file, never the temporary picture
  std::string output_extension;  // "tiff"
  int bit_depth = 0;             // the depth written (already resolved when automatic)
  int width = 0;                 // after rotation and resizing
  int height = 0;
  int frame = 1;
  std::int32_t random_number = 0;
  std::int32_t file_counter = 1;
  /// The local clock, read anew for each date placeholder.
  std::function<std::int64_t()> now;
};

/// The file part of a path without its extension: "roll.1" for ".../roll.1.pcd".
std::string NameWithoutExtension(std::string_view path);

/// Replaces every occurrence of one placeholder (compared without case) by its
/// value; an unknown placeholder leaves the text as it is.
std::string ReplacePlaceholder(std::string text, std::string_view placeholder,
                               const PlaceholderValues& values);

/// Replaces all placeholders in their fixed order, each on the text as the
/// earlier ones left it (so inserted text is subject to the later ones).
std::string ReplacePlaceholders(std::string text, const PlaceholderValues& values);

/// The mask lower-cased, "%filename%.%ext%" when empty, then every placeholder.
std::string ExpandMask(std::string_view mask, const PlaceholderValues& values);

/// Output folder + (subfolder when kept) + expanded mask. Nothing in it is
/// checked or changed: a name the file system refuses makes the save fail.
std::string OutputPath(const std::string& output_folder, const std::string& subfolder,
                       bool keep_subfolders, std::string_view mask,
                       const PlaceholderValues& values);
