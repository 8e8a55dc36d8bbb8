#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

/// The bytes of the file at `path`, or nothing when it is missing, a folder,
/// unreadable or longer than `max_bytes` (only max_bytes + 1 bytes are ever
/// read, so a huge file or an endless device costs no more than that).
std::optional<std::string> ReadWholeFile(const std::string& path, std::size_t max_bytes);

/// Replaces the file at `path` with `bytes` so that readers see either the old
/// file or the complete new one, never a truncated one: the bytes go to a
/// temporary file beside it, are flushed to disk, and the temporary is renamed
/// over `path` (through a symbolic link to its target). An existing file keeps
/// its permission bits; a new one is private to the user. False when anything
/// fails; the temporary file is then removed and the old file is untouched.
bool ReplaceFile(const std::string& path, std::string_view bytes);
