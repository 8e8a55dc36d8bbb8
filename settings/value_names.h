#pragma once

#include <span>

#include "settings/settings_table.h"

// The value-name lists of the enumerated settings. Settings that share a list
// (the frame-loading options, the colour modes, the units, boundaries,
// positions and sizes) point at the same one.
namespace names {
extern const std::span<const ValueName> kDdsLoadAs;
extern const std::span<const ValueName> kFrameLoading;
extern const std::span<const ValueName> kColorMode;
extern const std::span<const ValueName> kRawLoadAs;
extern const std::span<const ValueName> kRawToneMapping;
extern const std::span<const ValueName> kCompression;  // the shared name -> code table
extern const std::span<const ValueName> kBmpCompression;
extern const std::span<const ValueName> kExrCompression;
extern const std::span<const ValueName> kPngCompression;
extern const std::span<const ValueName> kTgaCompression;
extern const std::span<const ValueName> kTiffCompression;
extern const std::span<const ValueName> kBmpColorTable;
extern const std::span<const ValueName> kJpgChroma;
extern const std::span<const ValueName> kJpgSaveAs;
extern const std::span<const ValueName> kRotationType;
extern const std::span<const ValueName> kUnit;
extern const std::span<const ValueName> kResizeType;
extern const std::span<const ValueName> kResizeAlgorithm;
extern const std::span<const ValueName> kDitherAlgorithm;
extern const std::span<const ValueName> kFrame;
extern const std::span<const ValueName> kWatermark;
extern const std::span<const ValueName> kFontStyle;
extern const std::span<const ValueName> kFontEffect;
extern const std::span<const ValueName> kTextAlignment;
extern const std::span<const ValueName> kBoundary;
extern const std::span<const ValueName> kPosition;
extern const std::span<const ValueName> kSize;
extern const std::span<const ValueName> kFileTimestamp;
}  // namespace names
