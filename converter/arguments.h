#pragma once

#include <optional>
#include <string>
#include <vector>

namespace pcd {

/// One conversion as the engine asks for it, in ImageMagick's syntax:
///   -quiet -colorspace sRGB -orient TopLeft pcd:<input>[n] tga:<output>
struct Request {
  std::string input;
  int level = 3;  // ImageMagick reads Base when no [n] is given
  std::string output;
};

/// Reads the arguments after the program name. Options are ImageMagick's and
/// are accepted and skipped with their values (this converter always writes
/// sRGB with rows top first); the first operand is the input, `pcd:` prefix
/// optional, the second the output, which must be `tga:<path>` or end in
/// ".tga". Empty, with the reason in `err`, for anything else.
std::optional<Request> ParseArguments(const std::vector<std::string>& args, std::string* err);

}  // namespace pcd
