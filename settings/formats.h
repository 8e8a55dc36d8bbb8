#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "settings/extensions.h"

// The format catalogue shared by the whole converter family. It describes
// every format any member reads or writes; a member reaches only the rows
// named by its own extension lists (settings/extensions.h). Extensions are
// lower-case and without the dot; keys are compared exactly.

struct InputFormat {
  std::string_view extension;
  std::string_view canonical;  // the format this extension is an alias of
  std::string_view description;
};

struct OutputFormat {
  std::string_view extension;
  int freeimage_id;  // FREE_IMAGE_FORMAT, as FreeImage_Save takes it
  std::string_view description;
  std::string_view bit_depths;  // ascending, comma-separated: "1,4,8,24"
};

std::span<const InputFormat> InputFormats();
std::span<const OutputFormat> OutputFormats();

/// Every input key whose canonical format is on `input_extensions`, in the
/// order of that list, aliases in catalogue order.
std::vector<std::string_view> AcceptedInputExtensions(
    std::span<const std::string_view> input_extensions = kInputExtensions);

/// True when the file extension, lower-cased, is an accepted input extension.
bool IsAcceptedInput(std::string_view extension);

/// True when `extension` is exactly (case included) on the output list.
bool IsValidOutput(std::string_view extension);

/// The FreeImage format id of an output extension, or -1 (FIF_UNKNOWN).
int OutputFormatId(std::string_view extension);

/// The bit depths the output format allows, ascending; empty when unknown.
std::vector<int> AllowedBitDepths(std::string_view extension);

/// 0 (keep the picture's own depth) is always valid; any other depth must be
/// on the format's list.
bool IsValidBitDepth(std::string_view extension, int depth);

/// The first allowed depth not below `depth`, else the largest allowed one;
/// `depth` itself when the format is unknown.
int NearestBitDepth(std::string_view extension, int depth);

/// "TIFF", or with the description "TIFF (Tagged Image File Format)".
std::string OutputFormatLabel(std::string_view extension, bool with_description);

/// The window's bit-depth choices: "Auto" (which stands for 0), then each
/// allowed depth as a number.
std::vector<std::string> BitDepthChoices(std::string_view extension);

/// The file dialog's filter text ("label|patterns|label|patterns..."): all
/// accepted extensions, one entry per description, then all files.
std::string InputDialogFilter(
    std::span<const std::string_view> accepted = AcceptedInputExtensions());
