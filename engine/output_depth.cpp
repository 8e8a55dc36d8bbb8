#include "engine/output_depth.h"

#include <algorithm>
#include <cctype>
#include <span>
#include <string>

#include "engine/job.h"
#include "settings/formats.h"
#include "settings/settings_table.h"

namespace {

bool EqualNoCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::toupper(static_cast<unsigned char>(x))
           == std::toupper(static_cast<unsigned char>(y));
  });
}

std::string UpperAscii(std::string_view text) {
  std::string upper(text);
  for (char& c : upper)
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return upper;
}

const SettingRow* OutputRow(std::string_view key) {
  return FindSetting("Output", key);
}

// ---- Save flags: each format ORs the parts of its row together.

struct NamedFlag {
  std::string_view name;  // the setting's value name
  std::int32_t flag;
};

enum class Rule {
  kByName,     // the flag listed for the setting's value name, else 0
  kWhenOn,     // `flag` when the setting is on
  kValue,      // the setting's number itself (a quality)
  kWebpValue,  // the quality, except that 100 means lossless
  kConstant,   // always `flag`
};

struct FlagPart {
  std::string_view key;  // in [Output]
  Rule rule;
  std::span<const NamedFlag> names = {};
  std::int32_t flag = 0;
};

struct FormatFlags {
  std::string_view extension;
  std::span<const FlagPart> parts;
};

// clang-format off
constexpr NamedFlag kTiffCompression[] = {
    {"NONE", 0x0800}, {"CCITTFAX3", 0x1000}, {"CCITTFAX4", 0x2000}, {"PACKBITS", 0x0100},
    {"DEFLATE", 0x0200}, {"ADOBEDEFLATE", 0x0400}, {"LZW", 0x4000}, {"JPEG", 0x8000},
    {"LOGLUV", 0x10000}};
constexpr NamedFlag kTiffColourMode[] = {{"CMYK", 0x0001}};
constexpr NamedFlag kBmpCompression[] = {{"RLE", 0x0001}};
constexpr NamedFlag kExrCompression[] = {
    {"NONE", 0x0002}, {"ZIP", 0x0004}, {"PIZ", 0x0008}, {"PXR24", 0x0010}, {"B44", 0x0020}};
constexpr NamedFlag kJpgChroma[] = {
    {"NONE", 0x10000}, {"LOW", 0x8000}, {"MEDIUM", 0x4000}, {"HIGH", 0x1000}};
constexpr NamedFlag kJpgSaveAs[] = {{"SIMPLE", 0x40000}, {"OPTIMIZED", 0x20000}, {"PROGRESSIVE", 0x2000}};
constexpr NamedFlag kPngCompression[] = {{"NONE", 0x0100}, {"ZLIB1", 1}, {"ZLIB6", 6}, {"ZLIB9", 9}};
constexpr NamedFlag kTgaCompression[] = {{"RLE", 0x0002}};

constexpr FlagPart kTiffParts[] = {{"TIFF Compression", Rule::kByName, kTiffCompression},
                                   {"TIFF Color Mode", Rule::kByName, kTiffColourMode}};
constexpr FlagPart kBmpParts[] = {{"BMP Compression", Rule::kByName, kBmpCompression}};
constexpr FlagPart kExrParts[] = {{"EXR Compression", Rule::kByName, kExrCompression}};
constexpr FlagPart kJpgParts[] = {{"JPG Quality", Rule::kValue},
                                  {"JPG Chroma", Rule::kByName, kJpgChroma},
                                  {"JPG Save As", Rule::kByName, kJpgSaveAs}};
constexpr FlagPart kJxrParts[] = {{"", Rule::kConstant, {}, 100}};
constexpr FlagPart kPngParts[] = {{"PNG Compression", Rule::kByName, kPngCompression},
                                  {"PNG Interlaced", Rule::kWhenOn, {}, 0x0200}};
constexpr FlagPart kTgaParts[] = {{"TGA Compression", Rule::kByName, kTgaCompression}};
constexpr FlagPart kWebpParts[] = {{"WEBP Quality", Rule::kWebpValue}};

constexpr FormatFlags kFormatFlags[] = {
    {"tiff", kTiffParts}, {"bmp", kBmpParts}, {"exr", kExrParts}, {"jpg", kJpgParts},
    {"jxr", kJxrParts},   {"png", kPngParts}, {"tga", kTgaParts}, {"webp", kWebpParts}};

// clang-format on

std::int32_t PartFlags(const FlagPart& part, const Settings& s) {
  if (part.rule == Rule::kConstant)
    return part.flag;
  const SettingRow* row = OutputRow(part.key);
  if (!row)
    return 0;
  const auto value = static_cast<std::int32_t>(NumericValue(s, *row));
  switch (part.rule) {
    case Rule::kByName: {
      const std::string name = CodeToName(row->names, value);
      for (const NamedFlag& named : part.names)
        if (!name.empty() && EqualNoCase(named.name, name))
          return named.flag;
      return 0;
    }
    case Rule::kWhenOn:
      return value != 0 ? part.flag : 0;
    case Rule::kValue:
      return value;
    case Rule::kWebpValue:
      return value == 100 ? 0x0100 : value;
    case Rule::kConstant:
      break;
  }
  return 0;
}

// ---- Bit-depth conversion, by target depth.

bool Is(std::string_view extension, std::initializer_list<std::string_view> list) {
  return std::find(list.begin(), list.end(), extension) != list.end();
}

Picture To24(Picture pic) {
  return FreeImage_GetBPP(pic.get()) == 24 ? std::move(pic)
                                           : Adopt(FreeImage_ConvertTo24Bits(pic.get()));
}

Picture ToPalette8(Picture pic, std::string_view extension) {
  if (Is(extension, {"j2k", "jp2", "jpg", "jxr"}))
    return Adopt(FreeImage_ConvertTo8Bits(pic.get()));
  pic = To24(std::move(pic));
  if (!pic)
    return pic;
  return Adopt(FreeImage_ColorQuantizeEx(pic.get(), FIQ_WUQUANT, 256, 0, nullptr));
}

Picture To16(Picture pic, std::string_view extension) {
  if (FreeImage_GetBPP(pic.get()) > 32)
    pic = Adopt(FreeImage_ConvertTo24Bits(pic.get()));
  if (!pic)
    return pic;
  return Adopt(Is(extension, {"ico", "tga"}) ? FreeImage_ConvertTo16Bits555(pic.get())
                                             : FreeImage_ConvertTo16Bits565(pic.get()));
}

Picture ToDepth(Picture pic, int depth, std::string_view extension) {
  switch (depth) {
    case 1:
      return Adopt(FreeImage_Dither(pic.get(), FID_FS));
    case 4:
      return Adopt(FreeImage_ConvertTo4Bits(pic.get()));
    case 8:
      return ToPalette8(std::move(pic), extension);
    case 16:
      return To16(std::move(pic), extension);
    case 24:
      return Adopt(FreeImage_ConvertTo24Bits(pic.get()));
    case 32:
      return Adopt(FreeImage_ConvertTo32Bits(pic.get()));
    case 48:
      return Adopt(FreeImage_ConvertToRGB16(pic.get()));
    case 96:
      return Adopt(FreeImage_ConvertToRGBF(pic.get()));
    default:
      return Picture();
  }
}

}  // namespace

std::int32_t SaveFlags(std::string_view output_extension, const Settings& s) {
  for (const FormatFlags& format : kFormatFlags) {
    if (format.extension != output_extension)
      continue;
    std::int32_t flags = 0;
    for (const FlagPart& part : format.parts)
      flags |= PartFlags(part, s);
    return flags;
  }
  return 0;
}

int BitDepthSetting(std::string_view output_extension, const Settings& s) {
  const SettingRow* row = OutputRow(UpperAscii(output_extension) + " BPP");
  return row && row->format == output_extension ? static_cast<int>(NumericValue(s, *row)) : 0;
}

void PrepareOutput(JobState& job, const Settings& s) {
  job.output_format_id = OutputFormatId(job.output_extension);
  job.output_bit_depth = BitDepthSetting(job.output_extension, s);
  job.save_flags = SaveFlags(job.output_extension, s);
  job.automatic_depth = job.output_bit_depth == 0;
}

Picture ConvertToOutputDepth(Picture pic, JobState& job) {
  // A depth of 0 can never be written: it stands for automatic, flag or not.
  if (job.output_bit_depth == 0)
    job.automatic_depth = true;
  if (job.automatic_depth)
    job.output_bit_depth = NearestBitDepth(job.output_extension, job.source_bit_depth);
  if (!pic || static_cast<int>(FreeImage_GetBPP(pic.get())) == job.output_bit_depth)
    return pic;
  // Each intermediate goes as soon as the next one exists.
  return ToDepth(std::move(pic), job.output_bit_depth, job.output_extension);
}
