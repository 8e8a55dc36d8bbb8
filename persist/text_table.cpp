#include "persist/text_table.h"

#include <algorithm>
#include <tuple>
#include <vector>

#include "platform/text_case.h"

namespace {

constexpr TextRow Same(std::string_view key) {
  return {key, key};
}

constexpr TextRow Colon(std::string_view key) {
  return {key, key, true};
}

// clang-format off
constexpr TextRow kMenu[] = {
    {"Open",                  "Open..."},
    {"Save As",               "Save As..."},
    {"Select Input File",     "Add Input File..."},
    {"Select Input Files",    "Add Input Files..."},
    {"Select Input Folder",   "Add Input Folder..."},
    {"Delete Input Files",    "Delete Files From the List"},
    {"Select Output Folder",  "Select Output Folder..."},
    {"Output Format Options", "Options..."},
    {"Import Input Files",    "Import Files..."},
    {"Export Input Files",    "Export Files..."},
    {"Batch Convert",         "Batch Convert..."},
    {"Custom Converter",      "Find a File Converter..."},
    {"Preferences",           "Preferences..."},
    {"Manual",                "User Manual..."},
    {"Visit Homepage",        "Visit the Program's Homepage"},
    {"Check For New Version", "Check For a New Version"},
    {"About",                 "About..."},
    Same("File"), Same("New"), Same("Exit"), Same("Edit"), Same("Copy"), Same("Delete"),
    Same("Select All"), Same("Converter"), Same("Convert"), Same("Help"), Same("Send Feedback"),
};

constexpr TextRow kGeneral[] = {
    {"Preparing",  "Preparing..."},
    {"Importing",  "Importing..."},
    {"Converting", "Converting..."},
    Same("Filename"), Same("Convert"), Same("Ready"),
    Colon("Input File"), Colon("Input Files"), Colon("Output Folder"), Colon("Output Format"),
};

constexpr TextRow kMsg[] = {
    {"Insufficient memory",          "Insufficient Memory"},
    {"Unable to open file",          "Unable to open the file: %s1%!"},
    {"Unable to save file",          "Unable to save the file: %s1%!"},
    {"Empty input files",            "No input file(s) found. Please, add valid file(s) and try again!"},
    {"Empty input folder",           "The input folder's field is empty. Please, check the existed input folder and try again!"},
    {"Invalid input folder",         "The following input folder is invalid or doesn't exist:\r\n%s1%\r\n\r\nPlease, correct the input path and try again!"},
    {"Empty output folder",          "The output folder's field is empty. Please, select existed output folder and try again!"},
    {"Invalid output folder",        "The following output folder is invalid or doesn't exist:\r\n%s1%\r\n\r\nPlease, correct the output path and try again!"},
    {"Invalid width",                "Invalid resize width value!"},
    {"Invalid height",               "Invalid resize height value!"},
    {"Invalid conversion type",      "Invalid conversion type!"},
    {"Invalid watermark font",       "Unable to load selected font for a watermark: %s1%"},
    {"Empty watermark image",        "Selected watermark image is invalid/empty!"},
    {"Invalid watermark image",      "Unable to load selected file as a watermark image: %s1%"},
    {"Import complete",              "Import complete, new files added: %s1%"},
    {"Import is not complete",       "Import stopped"},
    {"Export complete",              "Export complete, entries saved: %s1%"},
    {"Export is not complete",       "Export stopped"},
    {"Conversion is not complete",   "Conversion stopped"},
    {"Progress",                     "(%s1%/%s2%)"},
    {"Files converted",              "Files converted: %s1% of %s2%"},
    {"New Update Text",              "A new version of Marlenta is available! Are you ready to download it right now?"},
    {"No Update Text",               "There is no update of Marlenta yet. You're using the most recent version."},
    {"Ask check for updates",        "Do you want to check for updates?"},
    {"Ask reset to defaults",        "Are you sure you want to reset all your settings to the default values?"},
    {"Internet connection problems", "Internet connection problems!"},
    {"Ask overwrite file",           "The file already exist. Do you want to overwrite it?"},
    {"Clean recent files",           "Clean Recent Files"},
    {"Ask clean recent files",       "Do you want to clean the recent files list?"},
    {"Ask continue to find",         "No matches of %s1% found!\r\n\r\nDo you want to search from the start of the list?"},
    {"Ask break import",             "Do you want to break the import?"},
    {"Ask break export",             "Do you want to break the export?"},
    {"Ask break conversion",         "Do you want to break the conversion?"},
    {"Empty extensions",             "Please, fill all required fields and try again!"},
    Same("Error"), Same("Warning"), Same("Conversion complete"), Same("New Update"),
    Same("No Update"), Same("Check for Updates"), Same("Reset to Defaults"),
};

constexpr TextRow kDialog[] = {
    {"Import Input Files", "Import Input Files From A List"},
    {"Import Progress",    "Importing"},
    {"Export Progress",    "Exporting"},
    {"Convert Progress",   "Converting"},
    {"Time Remaining",     "Time Remaining: %s1%"},
    {"Time Unknown",       "Unknown"},
    Same("Select Input Files"), Same("Select Input Folder"), Same("Select Output Folder"),
    Same("Export Input Files"), Same("Select Watermark Image"), Same("All Supported Files"),
    Same("Text Files"), Same("All Files"), Same("OK"), Same("Cancel"), Same("Help"),
    Same("Defaults"),
};

constexpr TextRow kPreferences[] = {
    {"Title",                 "Preferences..."},
    {"Save window position",  "Save Window's Coords:"},
    {"UI Theme",              "Theme:"},
    {"UI Size",               "Icon Size:"},
    {"Bytes",                 "bytes"},
    {"RGB8",                  "RGB 8-bit"},
    {"RGB16",                 "RGB 16-bit"},
    {"RGB24",                 "RGB 24-bit"},
    {"RGB48HS",               "RGB 48-bit (HS)"},
    {"RGB48",                 "RGB 48-bit"},
    {"BGRA",                  "BGR 32-bit"},
    {"RGBA",                  "RGB 32-bit"},
    {"All Frames",            "All"},
    {"First Frame",           "First"},
    {"Middle Frame",          "Middle"},
    {"Last Frame",            "Last"},
    {"Random Frame",          "Random"},
    {"Tone Mapping",          "HDR Tone Mapping:"},
    {"PIZ",                   "PIZ Wavelet"},
    {"ZLIB1",                 "ZLib Level 1"},
    {"ZLIB6",                 "ZLib Level 6"},
    {"ZLIB9",                 "ZLib Level 9"},
    {"CCITTFAX3",             "CCITT Group 3 Fax"},
    {"CCITTFAX4",             "CCITT Group 4 Fax"},
    {"PACKBITS",              "PackBits"},
    {"DEFLATE",               "Deflate (ZLib)"},
    {"ADOBEDEFLATE",          "Adobe Deflate"},
    {"LOGLUV",                "LogLuv"},
    {"Simple Rotation",       "Simple"},
    {"Advanced Rotation",     "Advanced"},
    {"Pixels",                "pixels"},
    {"Percent",               "percent"},
    {"Keep Aspect Ratio",     "Keep Proportions:"},
    {"Bspline",               "B-Spline"},
    {"Catmullrom",            "Catmull-Rom Spline"},
    {"Image Flip Horizontal", "Flip Horizontal:"},
    {"Image Flip Vertical",   "Flip Vertical:"},
    {"Image Gamma",           "Gamma Correction:"},
    {"Image Invert",          "Invert Image:"},
    {"Image Greyscale",       "Greyscale Image:"},
    {"Dither Algorithm",      "Dithering Algorithm:"},
    {"FS",                    "Floyd and Steinberg error diffusion"},
    {"Bayer4",                "Bayer ordered dot dithering 4x4"},
    {"Bayer8",                "Bayer ordered dot dithering 8x8"},
    {"Bayer16",               "Bayer ordered dot dithering 16x16"},
    {"Cluster6",              "Clustered dot dithering 6x6"},
    {"Cluster8",              "Clustered dot dithering 8x8"},
    {"Cluster16",             "Clustered dot dithering 16x16"},
    {"Frame Type",            "Frame:"},
    {"Frame Solid",           "Solid Color"},
    {"Watermark Type",        "Watermark:"},
    {"Watermark Text",        "Text"},
    {"Watermark Image",       "Image"},
    {"Points",                "points"},
    {"Strikeout",             "Strikethrough"},
    {"Align Left",            "Left"},
    {"Align Center",          "Center"},
    {"Align Right",           "Right"},
    {"Bound Image",           "Image"},
    {"Bound Frame",           "Frame"},
    {"Out Folders History",   "Output Folders History:"},
    {"Clean On Exit",         "Clean on Exit"},
    {"Keep Folders",          "Keep Recent"},
    {"Out Folders Number",    "Output Folders Number:"},
    {"Txt",                   "TXT"},
    {"Txt Export",            "Export to TXT"},
    {"Csv Export",            "Export to CSV"},
    {"Csv",                   "CSV"},
    {"Csv Delimiter",         "CSV Delimiter:"},
    {"Clean Recent Files",    "Clean Recent Files List on Exit"},
    Same("None"), Same("Auto"), Same("General"), Same("Every day"), Same("Every week"),
    Same("Every month"), Same("Every 3 months"), Same("Every 6 months"), Same("Never"),
    Same("Interface"), Same("Small"), Same("Medium"), Same("Large"), Same("Extra Large"),
    Same("Huge"), Same("Input"), Same("Linear"), Same("Adaptive Logarithmic"),
    Same("DR Reduction"), Same("Gradient Domain"), Same("Output"), Same("RLE"), Same("ZIP"),
    Same("PXR24"), Same("B44"), Same("LZW"), Same("JPEG"), Same("Exact"), Same("RGB"),
    Same("CMYK"), Same("LAB"), Same("Low"), Same("Medium"), Same("High"),
    Same("Baseline Standard"), Same("Baseline Simple"), Same("Baseline Optimized"),
    Same("Progressive"), Same("Transform"), Same("All Images"), Same("Large Images"), Same("Box"),
    Same("Bilinear"), Same("Bicubic"), Same("Lanczos"), Same("Adjustment"), Same("Frame"),
    Same("Watermark"), Same("Color"), Same("Black"), Same("Silver"), Same("Gray"), Same("White"),
    Same("Maroon"), Same("Red"), Same("Purple"), Same("Fuchsia"), Same("Green"), Same("Lime"),
    Same("Olive"), Same("Yellow"), Same("Navy"), Same("Blue"), Same("Teal"), Same("Aqua"),
    Same("Orange"), Same("Brown"), Same("Violet"), Same("Regular"), Same("Bold"), Same("Italic"),
    Same("Bold Italic"), Same("Underline"), Same("Top-Left"), Same("Top-Center"),
    Same("Top-Right"), Same("Middle-Left"), Same("Middle-Center"), Same("Middle-Right"),
    Same("Bottom-Left"), Same("Bottom-Center"), Same("Bottom-Right"), Same("Fixed"),
    Same("Proportional"), Same("Fit"), Same("Fill"), Same("Advanced"), Same("Current"),
    Same("Original"), Same("Custom"), Same("Export"), Same("Privacy"),
    Colon("Language"), Colon("Check for Updates"), Colon("Input Format"), Colon("Header Size"),
    Colon("Load As"), Colon("Frame Loading"), Colon("Output Format"), Colon("Bits Per Pixel"),
    Colon("Compression"), Colon("Color Table"), Colon("Color Mode"), Colon("Image Quality"),
    Colon("Chroma Subsampling"), Colon("Save As"), Colon("Interlaced"), Colon("Image Rotation"),
    Colon("Rotation Type"), Colon("Rotation Angle"), Colon("Background Color"),
    Colon("Image Resize"), Colon("Image Width"), Colon("Image Height"), Colon("Resize Type"),
    Colon("Resize Algorithm"), Colon("Image Brightness"), Colon("Image Contrast"),
    Colon("Image Threshold"), Colon("Threshold Level"), Colon("Image Dither"), Colon("Left"),
    Colon("Right"), Colon("Top"), Colon("Bottom"), Colon("Left Color"), Colon("Right Color"),
    Colon("Top Color"), Colon("Bottom Color"), Colon("Text"), Colon("Image"), Colon("Font"),
    Colon("Font Size"), Colon("Font Leading"), Colon("Font Color"), Colon("Font Style"),
    Colon("Font Effect"), Colon("Antialiasing"), Colon("Text Alignment"), Colon("Text Padding"),
    Colon("Text Opacity"), Colon("Background Opacity"), Colon("Opacity"), Colon("Boundary"),
    Colon("Position"), Colon("X-Offset"), Colon("Y-Offset"), Colon("Size"), Colon("Scale"),
    Colon("Filename Mask"), Colon("File Timestamp"), Colon("Custom Timestamp"),
    Colon("Keep Subfolders"),
};

constexpr TextRow kAbout[] = {
    {"Title",   "About..."},
    {"Website", "Web:"},
    {"Email",   "E-mail:"},
    Colon("Version"),
};

constexpr TextRow kCustomConverter[] = {
    {"Title", "Find a File Converter"},
    Same("Search"),
    Colon("From"), Colon("To"),
};

constexpr TextRow kUninstall[] = {
    {"Title",          "Uninstall"},
    {"Uninstall Text", "Full Uninstall - Visit Uninstall Center"},
    Same("Next"),
};

constexpr TextGroup kGroups[] = {
    {"Menu",             kMenu},
    {"General",          kGeneral},
    {"Msg",              kMsg},
    {"Dialog",           kDialog},
    {"Preferences",      kPreferences},
    {"About",            kAbout},
    {"Custom-Converter", kCustomConverter},
    {"Uninstall",        kUninstall},
};

// clang-format on

struct Entry {
  std::string group, key, text;  // group and key upper-cased

  auto Key() const { return std::tie(group, key); }
};

// Sorted once, on first use, by upper-cased group and key; among equal keys
// the smaller text comes first, so a lookup finds what a scan in that order
// would. It is never written afterwards, so any thread may read it.
const std::vector<Entry>& SortedEntries() {
  static const std::vector<Entry> entries = [] {
    std::vector<Entry> all;
    for (const TextGroup& g : kGroups) {
      for (const TextRow& row : g.rows) {
        std::string text(row.text);
        if (row.colon)
          text += ':';
        all.push_back({ToUpper(g.name), ToUpper(row.key), std::move(text)});
      }
    }
    std::sort(all.begin(), all.end(), [](const Entry& a, const Entry& b) {
      return std::tie(a.group, a.key, a.text) < std::tie(b.group, b.key, b.text);
    });
    return all;
  }();
  return entries;
}

// Replaces every occurrence of `placeholder` (ASCII, any case) by `value`,
// scanning on after each insertion so a value that holds the placeholder
// itself is not replaced again.
void ReplaceAll(std::string& text, std::string_view placeholder, std::string_view value) {
  const auto same = [](char a, char b) {
    const auto lower = [](char c) {
      return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
    };
    return lower(a) == lower(b);
  };
  for (auto it = text.begin();;) {
    it = std::search(it, text.end(), placeholder.begin(), placeholder.end(), same);
    if (it == text.end())
      return;
    const auto at = it - text.begin();
    text.replace(at, placeholder.size(), value);
    it = text.begin() + at + static_cast<std::ptrdiff_t>(value.size());
  }
}

}  // namespace

std::span<const TextGroup> BuiltInTexts() {
  return kGroups;
}

std::string Text(std::string_view group, std::string_view key) {
  const std::vector<Entry>& entries = SortedEntries();
  const Entry probe{ToUpper(group), ToUpper(key), {}};
  const auto it =
      std::lower_bound(entries.begin(), entries.end(), probe,
                       [](const Entry& a, const Entry& b) { return a.Key() < b.Key(); });
  if (it == entries.end() || it->Key() != probe.Key())
    return std::string(kNoStringError);
  return it->text;
}

std::string FormatText(std::string text, std::string_view s1, std::string_view s2,
                       std::string_view s3, std::string_view s4) {
  const std::string_view placeholders[] = {"%s1%", "%s2%", "%s3%", "%s4%"};
  const std::string_view values[] = {s1, s2, s3, s4};
  for (int i = 0; i < 4; ++i) {
    if (!values[i].empty())
      ReplaceAll(text, placeholders[i], values[i]);
  }
  return text;
}
