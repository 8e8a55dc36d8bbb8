#pragma once

#include <array>
#include <string_view>

// The formats this member of the converter family reads and writes; every
// per-format choice elsewhere is looked up by these extensions.
inline constexpr std::array<std::string_view, 1> kInputExtensions = {"pcd"};
inline constexpr std::array<std::string_view, 1> kOutputExtensions = {"tiff"};
