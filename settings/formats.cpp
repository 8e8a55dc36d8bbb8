#include "settings/formats.h"

#include <algorithm>
#include <charconv>

#include "persist/text_table.h"
#include "platform/text_case.h"

namespace {

constexpr std::string_view kBitmap = "Windows or OS/2 Bitmap";
constexpr std::string_view kMetafile = "Enhanced Metafile Format";
constexpr std::string_view kRadiance = "High Dynamic Range File";
constexpr std::string_view kJpeg = "JPEG File";
constexpr std::string_view kPhotoCd = "Kodak PhotoCD File";
constexpr std::string_view kPict = "Macintosh PICT";
constexpr std::string_view kTarga = "Truevision Targa";
constexpr std::string_view kTiff = "Tagged Image File Format";
constexpr std::string_view kWindowsMetafile = "Windows Metafile Format";
constexpr std::string_view kRaw = "Camera RAW Image";
constexpr std::string_view kSony = "Sony Camera RAW Image";
constexpr std::string_view kPhaseOne = "Phase One Camera RAW Image";
constexpr std::string_view kCanon = "Canon Camera RAW Image";
constexpr std::string_view kKodak = "Kodak Camera RAW Image";
constexpr std::string_view kSinar = "Sinar RAW Image";
constexpr std::string_view kMinolta = "Minolta Camera RAW Image";
constexpr std::string_view kMamiya = "Mamiya Camera RAW Image";
constexpr std::string_view kNikon = "Nikon Camera RAW Image";
constexpr std::string_view kPentax = "Pentax Camera RAW Image";

// clang-format off
constexpr InputFormat kInputFormats[] = {
    {"bmp",   "bmp",  kBitmap},
    {"rle",   "bmp",  kBitmap},
    {"dib",   "bmp",  kBitmap},
    {"dds",   "dds",  "DirectDraw Surface File"},
    {"emf",   "emf",  kMetafile},
    {"emz",   "emf",  kMetafile},
    {"gif",   "gif",  "GIF File"},
    {"hdr",   "hdr",  kRadiance},
    {"hdri",  "hdr",  kRadiance},
    {"ico",   "ico",  "Windows Icon"},
    {"jpg",   "jpg",  kJpeg},
    {"jpeg",  "jpg",  kJpeg},
    {"jpe",   "jpg",  kJpeg},
    {"jif",   "jpg",  kJpeg},
    {"pcd",   "pcd",  kPhotoCd},
    {"pcd1",  "pcd",  kPhotoCd},
    {"pcds",  "pcd",  kPhotoCd},
    {"ppcd",  "pcd",  kPhotoCd},
    {"pcx",   "pcx",  "ZSoft Paintbrush File"},
    {"pic",   "pic",  kPict},
    {"pict",  "pic",  kPict},
    {"pct",   "pic",  kPict},
    {"png",   "png",  "Portable Network Graphics"},
    {"psd",   "psd",  "Adobe Photoshop File"},
    {"tga",   "tga",  kTarga},
    {"targa", "tga",  kTarga},
    {"tiff",  "tiff", kTiff},
    {"tif",   "tiff", kTiff},
    {"wmf",   "wmf",  kWindowsMetafile},
    {"wmz",   "wmf",  kWindowsMetafile},
    {"apm",   "wmf",  "Aldus Placeable Metafile"},
    {"raw",   "raw",  kRaw},
    {"raw1",  "raw",  kRaw},
    {"raw2",  "raw",  kRaw},
    {"3fr",   "raw",  "Hasselblad Camera RAW Image"},
    {"arw",   "raw",  kSony},
    {"sr2",   "raw",  kSony},
    {"srf",   "raw",  kSony},
    {"bay",   "raw",  "Casio Camera RAW Image"},
    {"bmq",   "raw",  "NuCore RAW Image"},
    {"cap",   "raw",  kPhaseOne},
    {"iiq",   "raw",  kPhaseOne},
    {"eip",   "raw",  kPhaseOne},
    {"cine",  "raw",  "Phantom RAW Image"},
    {"cr2",   "raw",  kCanon},
    {"crw",   "raw",  kCanon},
    {"cs1",   "raw",  "Capture Shop RAW Image"},
    {"dc2",   "raw",  kKodak},
    {"dcr",   "raw",  kKodak},
    {"drf",   "raw",  kKodak},
    {"dsc",   "raw",  kKodak},
    {"k25",   "raw",  kKodak},
    {"kc2",   "raw",  kKodak},
    {"kdc",   "raw",  kKodak},
    {"dcs",   "raw",  kKodak},
    {"dng",   "raw",  "Adobe Digital Negative Image"},
    {"erf",   "raw",  "Epson Camera RAW Image"},
    {"fff",   "raw",  "Imacon Camera RAW Image"},
    {"ia",    "raw",  kSinar},
    {"sti",   "raw",  kSinar},
    {"mdc",   "raw",  kMinolta},
    {"mrw",   "raw",  kMinolta},
    {"mef",   "raw",  kMamiya},
    {"mos",   "raw",  kMamiya},
    {"nef",   "raw",  kNikon},
    {"nrw",   "raw",  kNikon},
    {"orf",   "raw",  "Olympus Camera RAW Image"},
    {"pef",   "raw",  kPentax},
    {"ptx",   "raw",  kPentax},
    {"pxn",   "raw",  "Logitech Camera RAW Image"},
    {"qtk",   "raw",  "Apple Quicktake Camera RAW Image"},
    {"raf",   "raw",  "Fuji Camera RAW Image"},
    {"rdc",   "raw",  "Digital Foto Maker RAW Image"},
    {"rw2",   "raw",  "Panasonic Camera RAW Image"},
    {"rwz",   "raw",  "Rawzor Camera RAW Image"},
    {"x3f",   "raw",  "Sigma Camera RAW Image"},
    {"ari",   "raw",  "ARRI RAW Image"},
    {"r3d",   "raw",  "RED RAW Image"},
    {"rwl",   "raw",  "Leica Camera RAW Image"},
};

constexpr OutputFormat kOutputFormats[] = {
    {"bmp",   0, "Windows or OS/2 Bitmap",      "1,4,8,16,24,32"},
    {"ico",   1, "Windows Icon",                "1,4,8,16,24,32"},
    {"jpg",   2, "JPEG File Format",            "8,24"},
    {"jng",   3, "JPEG Network Graphics",       "24,32"},
    {"pbm",   7, "Portable Bitmap",             "1"},
    {"pgm",  11, "Portable Greymap",            "8"},
    {"png",  13, "Portable Network Graphics",   "1,4,8,24,32,48"},
    {"ppm",  14, "Portable Pixelmap",           "24,48"},
    {"tga",  17, "Truevision Targa",            "8,16,24,32"},
    {"tiff", 18, "Tagged Image File Format",    "1,4,8,24,32,48,96"},
    {"wbmp", 19, "Wireless Bitmap",             "1"},
    {"xpm",  23, "X11 Pixmap Format",           "24"},
    {"gif",  25, "Graphics Interchange Format", "8"},
    {"hdr",  26, "High Dynamic Range Image",    "96"},
    {"exr",  29, "ILM OpenEXR",                 "96"},
    {"j2k",  30, "JPEG-2000 Codestream",        "8,24,32,48"},
    {"jp2",  31, "JPEG-2000 File Format",       "8,24,32,48"},
    {"pfm",  32, "Portable Floatmap",           "96"},
    {"webp", 35, "Google WebP Image Format",    "24,32"},
    {"jxr",  36, "JPEG XR Image Format",        "1,8,16,24,32,48,96"},
};

// clang-format on

const InputFormat* FindInput(std::string_view extension) {
  const auto* it = std::find_if(std::begin(kInputFormats), std::end(kInputFormats),
                                [&](const InputFormat& f) { return f.extension == extension; });
  return it == std::end(kInputFormats) ? nullptr : it;
}

const OutputFormat* FindOutput(std::string_view extension) {
  const auto* it = std::find_if(std::begin(kOutputFormats), std::end(kOutputFormats),
                                [&](const OutputFormat& f) { return f.extension == extension; });
  return it == std::end(kOutputFormats) ? nullptr : it;
}

}  // namespace

std::span<const InputFormat> InputFormats() {
  return kInputFormats;
}

std::span<const OutputFormat> OutputFormats() {
  return kOutputFormats;
}

std::vector<std::string_view> AcceptedInputExtensions(
    std::span<const std::string_view> input_extensions) {
  std::vector<std::string_view> accepted;
  for (std::string_view wanted : input_extensions) {
    for (const InputFormat& f : kInputFormats) {
      if (f.canonical == wanted)
        accepted.push_back(f.extension);
    }
  }
  return accepted;
}

bool IsAcceptedInput(std::string_view extension) {
  static const std::vector<std::string_view> accepted = AcceptedInputExtensions();
  return std::find(accepted.begin(), accepted.end(), ToLower(extension)) != accepted.end();
}

bool IsValidOutput(std::string_view extension) {
  return std::find(kOutputExtensions.begin(), kOutputExtensions.end(), extension)
         != kOutputExtensions.end();
}

int OutputFormatId(std::string_view extension) {
  const OutputFormat* f = FindOutput(extension);
  return f ? f->freeimage_id : -1;
}

std::vector<int> AllowedBitDepths(std::string_view extension) {
  std::vector<int> depths;
  const OutputFormat* f = FindOutput(extension);
  if (!f)
    return depths;
  const std::string_view list = f->bit_depths;
  for (std::size_t pos = 0; pos < list.size();) {
    int depth = 0;
    const auto [end, error] = std::from_chars(list.data() + pos, list.data() + list.size(), depth);
    if (error == std::errc())
      depths.push_back(depth);
    pos = static_cast<std::size_t>(end - list.data()) + 1;  // past the comma
  }
  return depths;
}

bool IsValidBitDepth(std::string_view extension, int depth) {
  const std::vector<int> allowed = AllowedBitDepths(extension);
  return depth == 0 || std::find(allowed.begin(), allowed.end(), depth) != allowed.end();
}

int NearestBitDepth(std::string_view extension, int depth) {
  const std::vector<int> allowed = AllowedBitDepths(extension);
  if (allowed.empty())
    return depth;
  const auto it = std::lower_bound(allowed.begin(), allowed.end(), depth);
  return it == allowed.end() ? allowed.back() : *it;
}

std::string OutputFormatLabel(std::string_view extension, bool with_description) {
  std::string label = ToUpper(extension);
  const OutputFormat* f = FindOutput(extension);
  if (with_description && f)
    label.append(" (").append(f->description).append(")");
  return label;
}

std::vector<std::string> BitDepthChoices(std::string_view extension) {
  std::vector<std::string> choices = {Text("Preferences", "Auto")};
  for (int depth : AllowedBitDepths(extension))
    choices.push_back(std::to_string(depth));
  return choices;
}

std::string InputDialogFilter(std::span<const std::string_view> accepted) {
  struct Entry {
    std::string_view description;
    std::string patterns;
  };

  std::vector<Entry> entries;
  std::string all;
  for (std::string_view extension : accepted) {
    const std::string pattern = "*." + std::string(extension);
    all += (all.empty() ? "" : ";") + pattern;
    const InputFormat* f = FindInput(extension);
    const std::string_view description = f ? f->description : extension;
    auto it = std::find_if(entries.begin(), entries.end(),
                           [&](const Entry& e) { return e.description == description; });
    if (it == entries.end())
      entries.push_back({description, pattern});
    else  // the newest pattern goes first, as the window has always listed them
      it->patterns = pattern + ";" + it->patterns;
  }
  std::string filter = Text("Dialog", "All Supported Files") + "|" + all;
  for (const Entry& e : entries)
    filter.append("|").append(e.description).append("|").append(e.patterns);
  return filter + "|" + Text("Dialog", "All Files") + " (*.*)|*.*";
}
