#include "settings/value_names.h"

namespace {
// clang-format off
constexpr ValueName kDdsLoadAs[] = {{0, "AUTO", "Auto"}, {1, "BGRA", "BGR 32-bit"}, {2, "RGBA", "RGB 32-bit"}};
constexpr ValueName kFrameLoading[] = {{0, "ALL", "All"}, {1, "FIRST", "First"}, {2, "MIDDLE", "Middle"},
                                       {3, "LAST", "Last"}, {4, "RANDOM", "Random"}};
constexpr ValueName kColorMode[] = {{0, "RGB", "RGB"}, {1, "CMYK", "CMYK"}, {2, "LAB", "LAB"}};
constexpr ValueName kRawLoadAs[] = {{0, "AUTO", "Auto"}, {1, "8", "RGB 8-bit"}, {2, "16", "RGB 16-bit"},
                                    {3, "24", "RGB 24-bit"}, {4, "48HS", "RGB 48-bit (HS)"}, {5, "48", "RGB 48-bit"}};
constexpr ValueName kRawToneMapping[] = {{0, "NONE", "None"}, {1, "LINEAR", "Linear"},
                                         {2, "AL", "Adaptive Logarithmic"}, {3, "DRR", "DR Reduction"},
                                         {4, "GD", "Gradient Domain"}};
constexpr ValueName kCompression[] = {
    {0, "NONE", "None"}, {1, "RLE", "RLE"}, {1, "ZIP", "ZIP"}, {2, "PIZ", "PIZ Wavelet"}, {3, "PXR24", "PXR24"},
    {4, "B44", "B44"}, {1, "ZLIB1", "ZLib Level 1"}, {2, "ZLIB6", "ZLib Level 6"}, {3, "ZLIB9", "ZLib Level 9"},
    {1, "CCITTFAX3", "CCITT Group 3 Fax"}, {2, "CCITTFAX4", "CCITT Group 4 Fax"}, {3, "PACKBITS", "PackBits"},
    {4, "DEFLATE", "Deflate (ZLib)"}, {5, "ADOBEDEFLATE", "Adobe Deflate"}, {6, "LZW", "LZW"},
    {7, "JPEG", "JPEG"}, {8, "LOGLUV", "LogLuv"}};
constexpr ValueName kBmpCompression[] = {{0, "NONE", "None"}, {1, "RLE", "RLE"}};
constexpr ValueName kExrCompression[] = {{0, "NONE", "None"}, {1, "ZIP", "ZIP"}, {2, "PIZ", "PIZ Wavelet"},
                                         {3, "PXR24", "PXR24"}, {4, "B44", "B44"}};
constexpr ValueName kPngCompression[] = {{0, "NONE", "None"}, {1, "ZLIB1", "ZLib Level 1"},
                                         {2, "ZLIB6", "ZLib Level 6"}, {3, "ZLIB9", "ZLib Level 9"}};
constexpr ValueName kTgaCompression[] = {{0, "NONE", "None"}, {1, "RLE", "RLE"}};
constexpr ValueName kTiffCompression[] = {
    {0, "NONE", "None"}, {1, "CCITTFAX3", "CCITT Group 3 Fax"}, {2, "CCITTFAX4", "CCITT Group 4 Fax"},
    {3, "PACKBITS", "PackBits"}, {4, "DEFLATE", "Deflate (ZLib)"}, {5, "ADOBEDEFLATE", "Adobe Deflate"},
    {6, "LZW", "LZW"}, {7, "JPEG", "JPEG"}, {8, "LOGLUV", "LogLuv"}};
constexpr ValueName kBmpColorTable[] = {{0, "AUTO", "Auto"}, {1, "EXACT", "Exact"}};
constexpr ValueName kJpgChroma[] = {{0, "NONE", "None"}, {1, "LOW", "Low"}, {2, "MEDIUM", "Medium"}, {3, "HIGH", "High"}};
constexpr ValueName kJpgSaveAs[] = {{0, "STANDARD", "Baseline Standard"}, {1, "SIMPLE", "Baseline Simple"},
                                    {2, "OPTIMIZED", "Baseline Optimized"}, {3, "PROGRESSIVE", "Progressive"}};
constexpr ValueName kRotationType[] = {{0, "SIMPLE", "Simple"}, {1, "ADVANCED", "Advanced"}};
constexpr ValueName kUnit[] = {{0, "PIXELS", "pixels"}, {1, "PERCENT", "percent"}};
constexpr ValueName kResizeType[] = {{0, "ALLIMAGES", "All Images"}, {1, "LARGEIMAGES", "Large Images"}};
constexpr ValueName kResizeAlgorithm[] = {{0, "BOX", "Box"}, {1, "BILINEAR", "Bilinear"}, {2, "BSPLINE", "B-Spline"},
                                          {3, "BICUBIC", "Bicubic"}, {4, "CATMULLROM", "Catmull-Rom Spline"},
                                          {5, "LANCZOS", "Lanczos"}};
constexpr ValueName kDitherAlgorithm[] = {
    {0, "FS", "Floyd and Steinberg error diffusion"}, {1, "BAYER4", "Bayer ordered dot dithering 4x4"},
    {2, "BAYER8", "Bayer ordered dot dithering 8x8"}, {3, "BAYER16", "Bayer ordered dot dithering 16x16"},
    {4, "CLUSTER6", "Clustered dot dithering 6x6"}, {5, "CLUSTER8", "Clustered dot dithering 8x8"},
    {6, "CLUSTER16", "Clustered dot dithering 16x16"}};
constexpr ValueName kFrame[] = {{0, "NONE", "None"}, {1, "SOLID", "Solid Color"}};
constexpr ValueName kWatermark[] = {{0, "NONE", "None"}, {1, "TEXT", "Text"}, {2, "IMAGE", "Image"}};
constexpr ValueName kFontStyle[] = {{0, "REGULAR", "Regular"}, {1, "BOLD", "Bold"}, {2, "ITALIC", "Italic"},
                                    {3, "BOLDITALIC", "Bold Italic"}};
constexpr ValueName kFontEffect[] = {{0, "NONE", "None"}, {1, "UNDERLINE", "Underline"},
                                     {2, "STRIKETHROUGHT", "Strikethrough"}};
constexpr ValueName kTextAlignment[] = {{0, "LEFT", "Left"}, {1, "CENTER", "Center"}, {2, "RIGHT", "Right"}};
constexpr ValueName kBoundary[] = {{0, "IMAGE", "Image"}, {1, "FRAME", "Frame"}};
constexpr ValueName kPosition[] = {
    {0, "TOPLEFT", "Top-Left"}, {1, "TOPCENTER", "Top-Center"}, {2, "TOPRIGHT", "Top-Right"},
    {3, "MIDDLELEFT", "Middle-Left"}, {4, "MIDDLECENTER", "Middle-Center"}, {5, "MIDDLERIGHT", "Middle-Right"},
    {6, "BOTTOMLEFT", "Bottom-Left"}, {7, "BOTTOMCENTER", "Bottom-Center"}, {8, "BOTTOMRIGHT", "Bottom-Right"}};
constexpr ValueName kSize[] = {{0, "FIXED", "Fixed"}};
constexpr ValueName kFileTimestamp[] = {{0, "CURRENT", "Current"}, {1, "ORIGINAL", "Original"}, {2, "CUSTOM", "Custom"}};
// clang-format on
}  // namespace

namespace names {
const std::span<const ValueName> kDdsLoadAs = ::kDdsLoadAs;
const std::span<const ValueName> kFrameLoading = ::kFrameLoading;
const std::span<const ValueName> kColorMode = ::kColorMode;
const std::span<const ValueName> kRawLoadAs = ::kRawLoadAs;
const std::span<const ValueName> kRawToneMapping = ::kRawToneMapping;
const std::span<const ValueName> kCompression = ::kCompression;
const std::span<const ValueName> kBmpCompression = ::kBmpCompression;
const std::span<const ValueName> kExrCompression = ::kExrCompression;
const std::span<const ValueName> kPngCompression = ::kPngCompression;
const std::span<const ValueName> kTgaCompression = ::kTgaCompression;
const std::span<const ValueName> kTiffCompression = ::kTiffCompression;
const std::span<const ValueName> kBmpColorTable = ::kBmpColorTable;
const std::span<const ValueName> kJpgChroma = ::kJpgChroma;
const std::span<const ValueName> kJpgSaveAs = ::kJpgSaveAs;
const std::span<const ValueName> kRotationType = ::kRotationType;
const std::span<const ValueName> kUnit = ::kUnit;
const std::span<const ValueName> kResizeType = ::kResizeType;
const std::span<const ValueName> kResizeAlgorithm = ::kResizeAlgorithm;
const std::span<const ValueName> kDitherAlgorithm = ::kDitherAlgorithm;
const std::span<const ValueName> kFrame = ::kFrame;
const std::span<const ValueName> kWatermark = ::kWatermark;
const std::span<const ValueName> kFontStyle = ::kFontStyle;
const std::span<const ValueName> kFontEffect = ::kFontEffect;
const std::span<const ValueName> kTextAlignment = ::kTextAlignment;
const std::span<const ValueName> kBoundary = ::kBoundary;
const std::span<const ValueName> kPosition = ::kPosition;
const std::span<const ValueName> kSize = ::kSize;
const std::span<const ValueName> kFileTimestamp = ::kFileTimestamp;
}  // namespace names
