#include "settings/settings_table.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <type_traits>

#include "settings/number_text.h"
#include "settings/value_names.h"

namespace {

using S = Settings;
using O = OptionKind;

constexpr std::string_view kDefaultText = "Made with Marlenta by Quillorb";
constexpr std::string_view kColourChoices =
    "000000,FFFFFF,FF0000,FF8000,FFFF00,008000,00FFFF,0000FF,8000FF";

// The builder keeps one line per setting; the group is set once per block.
class Table {
 public:
  void Group(std::string_view name) { group_ = name; }

  SettingRow& Add(std::string_view key, Kind kind, Field field, std::string_view reset) {
    rows_.push_back(SettingRow{group_, key, kind, field, reset, reset});
    return rows_.back();
  }

  // The nine-way BPP family, one row per format.
  void Bpp(std::string_view format, std::string_view key, std::int32_t S::*field,
           std::string_view option) {
    Add(key, Kind::kInt, field, "0").Format(format).Opt(option, O::kInteger);
  }

  std::vector<SettingRow> Take() { return std::move(rows_); }

 private:
  std::string_view group_;
  std::vector<SettingRow> rows_;
};

std::vector<SettingRow> BuildRows() {
  namespace n = names;
  Table t;
  // clang-format off
  t.Group("General");
  t.Add("CFG", Kind::kInt, &S::cfg, "19").Absent("0");
  t.Add("Language", Kind::kText, &S::language, "en");
  t.Add("Update Range", Kind::kInt, &S::update_range, "2");
  t.Add("Update Date", Kind::kDate, &S::update_date, kDefaultNow);
  t.Add("Save Window Position", Kind::kFlag, &S::save_window_position, "1");

  t.Group("Window");
  t.Add("IsMaximized", Kind::kFlag, &S::is_maximized, "0");
  t.Add("Width", Kind::kInt, &S::width, "510");
  t.Add("Height", Kind::kInt, &S::height, "330");
  t.Add("X", Kind::kInt, &S::x, kDefaultCentreX).Absent("100");
  t.Add("Y", Kind::kInt, &S::y, kDefaultCentreY).Absent("100");

  t.Group("Interface");
  t.Add("UI Theme", Kind::kText, &S::ui_theme, "handdrawn");
  t.Add("UI Size", Kind::kInt, &S::ui_size, "2");

  t.Group("Input");
  t.Add("Format", Kind::kText, &S::input_format, kDefaultFirstInput);
  t.Add("DDS Load As", Kind::kInt, &S::dds_load_as, "0").Format("dds").Names(n::kDdsLoadAs).Opt("--DDS-LOAD-AS", O::kName);
  t.Add("GIF Frame Loading", Kind::kInt, &S::gif_frame_loading, "0").Format("gif").Names(n::kFrameLoading).Opt("--GIF-FRAME-LOADING", O::kName);
  t.Add("ICO Frame Loading", Kind::kInt, &S::ico_frame_loading, "0").Format("ico").Names(n::kFrameLoading).Opt("--ICO-FRAME-LOADING", O::kName);
  t.Add("PSD Color Mode", Kind::kInt, &S::psd_color_mode, "0").Format("psd").Names(n::kColorMode).Opt("--PSD-COLOR-MODE", O::kName);
  t.Add("RAW Load As", Kind::kInt, &S::raw_load_as, "0").Format("raw").Names(n::kRawLoadAs).Opt("--RAW-LOAD-AS", O::kName);
  t.Add("RAW Header Size", Kind::kInt, &S::raw_header_size, "0").Format("raw").Opt("--RAW-HEADER-SIZE", O::kInteger);
  t.Add("RAW Image Width", Kind::kInt, &S::raw_image_width, "0").Format("raw").Opt("--RAW-WIDTH", O::kInteger);
  t.Add("RAW Image Height", Kind::kInt, &S::raw_image_height, "0").Format("raw").Opt("--RAW-HEIGHT", O::kInteger);
  t.Add("RAW Tone Mapping", Kind::kInt, &S::raw_tone_mapping, "2").Format("raw").Names(n::kRawToneMapping).Opt("--RAW-TONE-MAPPING", O::kName);
  t.Add("TIFF Frame Loading", Kind::kInt, &S::tiff_frame_loading, "0").Format("tiff").Names(n::kFrameLoading).Opt("--TIFF-FRAME-LOADING", O::kName);

  t.Group("Output");
  t.Add("Format", Kind::kText, &S::output_format, kDefaultFirstOutput);
  t.Bpp("bmp", "BMP BPP", &S::bmp_bpp, "--BMP-BPP");
  t.Add("BMP Compression", Kind::kInt, &S::bmp_compression, "0").Format("bmp").Names(n::kBmpCompression).Decode(n::kCompression).Opt("--BMP-COMPRESSION", O::kName);
  t.Add("BMP Color Table", Kind::kInt, &S::bmp_color_table, "0").Format("bmp").Names(n::kBmpColorTable).Opt("--BMP-COLOR-TABLE", O::kName);
  t.Bpp("dds", "DDS BPP", &S::dds_bpp, "--DDS-BPP");
  t.Bpp("exr", "EXR BPP", &S::exr_bpp, "--EXR-BPP");
  t.Add("EXR Compression", Kind::kInt, &S::exr_compression, "0").Format("exr").Names(n::kExrCompression).Decode(n::kCompression).Opt("--EXR-COMPRESSION", O::kName);
  t.Bpp("gif", "GIF BPP", &S::gif_bpp, "--GIF-BPP");
  t.Bpp("hdr", "HDR BPP", &S::hdr_bpp, "--HDR-BPP");
  t.Bpp("ico", "ICO BPP", &S::ico_bpp, "--ICO-BPP");
  t.Bpp("j2k", "J2K BPP", &S::j2k_bpp, "--J2K-BPP");
  t.Bpp("jng", "JNG BPP", &S::jng_bpp, "--JNG-BPP");
  t.Bpp("jp2", "JP2 BPP", &S::jp2_bpp, "--JP2-BPP");
  t.Bpp("jpg", "JPG BPP", &S::jpg_bpp, "--JPG-BPP");
  t.Add("JPG Quality", Kind::kInt, &S::jpg_quality, "95").Format("jpg").Opt("--JPG-QUALITY", O::kInteger);
  t.Add("JPG Chroma", Kind::kInt, &S::jpg_chroma, "0").Format("jpg").Names(n::kJpgChroma).Opt("--JPG-CHROMA", O::kName);
  t.Add("JPG Save As", Kind::kInt, &S::jpg_save_as, "0").Format("jpg").Names(n::kJpgSaveAs).Opt("--JPG-SAVE-AS", O::kName);
  t.Bpp("jxr", "JXR BPP", &S::jxr_bpp, "--JXR-BPP");
  t.Bpp("pbm", "PBM BPP", &S::pbm_bpp, "--PBM-BPP");
  t.Bpp("pcx", "PCX BPP", &S::pcx_bpp, "--PCX-BPP");
  t.Bpp("pfm", "PFM BPP", &S::pfm_bpp, "--PFM-BPP");
  t.Bpp("pgm", "PGM BPP", &S::pgm_bpp, "--PGM-BPP");
  t.Bpp("png", "PNG BPP", &S::png_bpp, "--PNG-BPP");
  t.Add("PNG Compression", Kind::kInt, &S::png_compression, "0").Format("png").Names(n::kPngCompression).Decode(n::kCompression).Opt("--PNG-COMPRESSION", O::kName);
  t.Add("PNG Interlaced", Kind::kFlag, &S::png_interlaced, "0").Format("png").Opt("--PNG-INTERLACED", O::kFlag);
  t.Bpp("ppm", "PPM BPP", &S::ppm_bpp, "--PPM-BPP");
  t.Bpp("psd", "PSD BPP", &S::psd_bpp, "--PSD-BPP");
  t.Bpp("tga", "TGA BPP", &S::tga_bpp, "--TGA-BPP");
  t.Add("TGA Compression", Kind::kInt, &S::tga_compression, "0").Format("tga").Names(n::kTgaCompression).Decode(n::kCompression).Opt("--TGA-COMPRESSION", O::kName);
  t.Bpp("tiff", "TIFF BPP", &S::tiff_bpp, "--TIFF-BPP");
  t.Add("TIFF Compression", Kind::kInt, &S::tiff_compression, "0").Format("tiff").Names(n::kTiffCompression).Decode(n::kCompression).Opt("--TIFF-COMPRESSION", O::kName);
  t.Add("TIFF Color Mode", Kind::kInt, &S::tiff_color_mode, "0").Format("tiff").Names(n::kColorMode).Opt("--TIFF-COLOR-MODE", O::kName);
  t.Bpp("wbmp", "WBMP BPP", &S::wbmp_bpp, "--WBMP-BPP");
  t.Bpp("webp", "WEBP BPP", &S::webp_bpp, "--WEBP-BPP");
  t.Add("WEBP Quality", Kind::kInt, &S::webp_quality, "100").Format("webp").Opt("--WEBP-QUALITY", O::kInteger);
  t.Bpp("xpm", "XPM BPP", &S::xpm_bpp, "--XPM-BPP");

  t.Group("Transform");
  t.Add("Do Image Rotation", Kind::kFlag, &S::do_image_rotation, "0");
  t.Add("Image Rotation Type", Kind::kCode, &S::image_rotation_type, "0").Names(n::kRotationType).Opt("--ROTATION-TYPE", O::kName);
  t.Add("Image Rotation", Kind::kInt, &S::transform_image_rotation, "0").Opt("--ROTATION", O::kInteger).Turns(&S::do_image_rotation);
  t.Add("Image Rotation Back Color", Kind::kColour, &S::image_rotation_back_color, "000000").Opt("--ROTATION-BACK-COLOR", O::kText);
  t.Add("Do Image Resize", Kind::kFlag, &S::do_image_resize, "0");
  t.Add("Image Width", Kind::kInt, &S::image_width, "0").Opt("--WIDTH", O::kInteger).Turns(&S::do_image_resize);
  t.Add("Image Width Unit", Kind::kCode, &S::image_width_unit, "0").Names(n::kUnit).Opt("--WIDTH-UNIT", O::kName);
  t.Add("Image Height", Kind::kInt, &S::image_height, "0").Opt("--HEIGHT", O::kInteger).Turns(&S::do_image_resize);
  t.Add("Image Height Unit", Kind::kCode, &S::image_height_unit, "0").Names(n::kUnit).Opt("--HEIGHT-UNIT", O::kName);
  t.Add("Keep Aspect Ratio", Kind::kFlag, &S::keep_aspect_ratio, kDefaultKeepAspect).Absent("1").Opt("--KEEP-ASPECT-RATIO", O::kFlag);
  t.Add("Image Resize Type", Kind::kCode, &S::image_resize_type, "0").Names(n::kResizeType).Opt("--RESIZE-TYPE", O::kName);
  t.Add("Image Resize Algorithm", Kind::kCode, &S::image_resize_algorithm, "3").Names(n::kResizeAlgorithm).Opt("--RESIZE-ALGORITHM", O::kName);
  t.Add("Do Image Flip Horizontal", Kind::kFlag, &S::do_image_flip_horizontal, "0").Opt("--FLIP-HORIZONTAL", O::kFlag);
  t.Add("Do Image Flip Vertical", Kind::kFlag, &S::do_image_flip_vertical, "0").Opt("--FLIP-VERTICAL", O::kFlag);

  t.Group("Adjustment");
  t.Add("Do Image Color Correction", Kind::kFlag, &S::do_image_color_correction, "0");
  t.Add("Image Brightness", Kind::kInt, &S::image_brightness, "0").Opt("--BRIGHTNESS", O::kInteger).Turns(&S::do_image_color_correction);
  t.Add("Image Contrast", Kind::kInt, &S::image_contrast, "0").Opt("--CONTRAST", O::kInteger).Turns(&S::do_image_color_correction);
  t.Add("Image Gamma", Kind::kFloat, &S::image_gamma, "1.000000").Opt("--GAMMA", O::kDecimal).Turns(&S::do_image_color_correction);
  t.Add("Image Invert", Kind::kFlag, &S::image_invert, "0").Opt("--INVERT", O::kFlag).Turns(&S::do_image_color_correction);
  t.Add("Do Image Greyscale", Kind::kFlag, &S::do_image_greyscale, "0").Opt("--GREYSCALE", O::kFlag);
  t.Add("Do Image Threshold", Kind::kFlag, &S::do_image_threshold, "0");
  t.Add("Image Threshold", Kind::kInt, &S::image_threshold, "0").Opt("--THRESHOLD", O::kInteger).Turns(&S::do_image_threshold);
  t.Add("Do Image Dither", Kind::kFlag, &S::do_image_dither, "0");
  t.Add("Image Dither Algorithm", Kind::kCode, &S::image_dither_algorithm, "0").Names(n::kDitherAlgorithm).Opt("--DITHER", O::kName).Turns(&S::do_image_dither);

  t.Group("Frame");
  t.Add("Do Frame", Kind::kCode, &S::do_frame, "0").Names(n::kFrame);
  t.Add("Solid Left", Kind::kInt, &S::solid_left, "0").Opt("--FR-SOLID-LEFT", O::kInteger).Turns(&S::do_frame);
  t.Add("Solid Right", Kind::kInt, &S::solid_right, "0").Opt("--FR-SOLID-RIGHT", O::kInteger).Turns(&S::do_frame);
  t.Add("Solid Top", Kind::kInt, &S::solid_top, "0").Opt("--FR-SOLID-TOP", O::kInteger).Turns(&S::do_frame);
  t.Add("Solid Bottom", Kind::kInt, &S::solid_bottom, "0").Opt("--FR-SOLID-BOTTOM", O::kInteger).Turns(&S::do_frame);
  t.Add("Solid Left Color", Kind::kColour, &S::solid_left_color, "000000").Opt("--FR-SOLID-LEFT-COLOR", O::kText);
  t.Add("Solid Right Color", Kind::kColour, &S::solid_right_color, "000000").Opt("--FR-SOLID-RIGHT-COLOR", O::kText);
  t.Add("Solid Top Color", Kind::kColour, &S::solid_top_color, "000000").Opt("--FR-SOLID-TOP-COLOR", O::kText);
  t.Add("Solid Bottom Color", Kind::kColour, &S::solid_bottom_color, "000000").Opt("--FR-SOLID-BOTTOM-COLOR", O::kText);
  t.Add("Solid Opacity", Kind::kInt, &S::solid_opacity, "255").Opt("--FR-SOLID-OPACITY", O::kInteger).InProfileAs("--WM-SOLID-OPACITY");

  t.Group("Watermark");
  t.Add("Do Watermark", Kind::kCode, &S::do_watermark, "0").Names(n::kWatermark);
  t.Add("Text", Kind::kText, &S::text, kDefaultText).Opt("--WM-TEXT", O::kText).Turns(&S::do_watermark, codes::kTextWatermark);
  t.Add("Fonts", Kind::kText, &S::fonts, "Arial,Tahoma,Verdana");
  t.Add("Font", Kind::kText, &S::font, "Arial").Opt("--WM-FONT", O::kText);
  t.Add("Font Size", Kind::kInt, &S::font_size, "14").Opt("--WM-FONT-SIZE", O::kInteger);
  t.Add("Font Leading", Kind::kInt, &S::font_leading, "0").Opt("--WM-FONT-LEADING", O::kInteger);
  t.Add("Font Colors", Kind::kText, &S::font_colors, kColourChoices);
  t.Add("Font Color", Kind::kColour, &S::font_color, "FFFFFF").Opt("--WM-FONT-COLOR", O::kText);
  t.Add("Font Style", Kind::kCode, &S::font_style, "0").Names(n::kFontStyle).Opt("--WM-FONT-STYLE", O::kName);
  t.Add("Font Effect", Kind::kCode, &S::font_effect, "0").Names(n::kFontEffect).Opt("--WM-FONT-EFFECT", O::kName);
  t.Add("Text Antialiasing", Kind::kFlag, &S::text_antialiasing, "0").Opt("--WM-TEXT-ANTIALIASING", O::kFlag);
  t.Add("Text Alignment", Kind::kCode, &S::text_alignment, "0").Names(n::kTextAlignment).Opt("--WM-TEXT-ALIGNMENT", O::kName);
  t.Add("Text Padding", Kind::kInt, &S::text_padding, "0").Opt("--WM-TEXT-PADDING", O::kInteger);
  t.Add("Text Opacity", Kind::kInt, &S::text_opacity, "255").Opt("--WM-TEXT-OPACITY", O::kInteger);
  t.Add("Back Colors", Kind::kText, &S::back_colors, kColourChoices);
  t.Add("Back Color", Kind::kColour, &S::back_color, "000000").Opt("--WM-BACK-COLOR", O::kText);
  t.Add("Back Opacity", Kind::kInt, &S::back_opacity, "1").Opt("--WM-BACK-OPACITY", O::kInteger);
  t.Add("Text Boundary", Kind::kCode, &S::text_boundary, "0").Names(n::kBoundary).Opt("--WM-TEXT-BOUNDARY", O::kName);
  t.Add("Text Position", Kind::kCode, &S::text_position, "8").Names(n::kPosition).Opt("--WM-TEXT-POSITION", O::kName);
  t.Add("Text X Offset", Kind::kInt, &S::text_x_offset, "10").Opt("--WM-TEXT-X-OFFSET", O::kInteger);
  t.Add("Text Y Offset", Kind::kInt, &S::text_y_offset, "10").Opt("--WM-TEXT-Y-OFFSET", O::kInteger);
  t.Add("Text Rotation", Kind::kInt, &S::text_rotation, "0").Opt("--WM-TEXT-ROTATION", O::kInteger);
  t.Add("Text Size", Kind::kCode, &S::text_size, "0").Names(n::kSize).Opt("--WM-TEXT-SIZE", O::kName);
  t.Add("Text Scale", Kind::kInt, &S::text_scale, "10");
  t.Add("Image", Kind::kText, &S::image, "").Opt("--WM-IMAGE", O::kText).Turns(&S::do_watermark, codes::kImageWatermark);
  t.Add("Image Greyscale", Kind::kFlag, &S::image_greyscale, "0").Opt("--WM-IMAGE-GREYSCALE", O::kFlag);
  t.Add("Image Opacity", Kind::kInt, &S::image_opacity, "255").Opt("--WM-IMAGE-OPACITY", O::kInteger);
  t.Add("Image Boundary", Kind::kCode, &S::image_boundary, "0").Names(n::kBoundary).Opt("--WM-IMAGE-BOUNDARY", O::kName);
  t.Add("Image Position", Kind::kCode, &S::image_position, "8").Names(n::kPosition).Opt("--WM-IMAGE-POSITION", O::kName);
  t.Add("Image X Offset", Kind::kInt, &S::image_x_offset, "10").Opt("--WM-IMAGE-X-OFFSET", O::kInteger);
  t.Add("Image Y Offset", Kind::kInt, &S::image_y_offset, "10").Opt("--WM-IMAGE-Y-OFFSET", O::kInteger);
  t.Add("Image Rotation", Kind::kInt, &S::watermark_image_rotation, "0").Opt("--WM-IMAGE-ROTATION", O::kInteger);
  t.Add("Image Size", Kind::kCode, &S::image_size, "0").Names(n::kSize).Opt("--WM-IMAGE-SIZE", O::kName);
  t.Add("Image Scale", Kind::kInt, &S::image_scale, "10");

  t.Group("Advanced");
  t.Add("Filename Mask", Kind::kText, &S::filename_mask, "%filename%.%ext%").Opt("--FILENAME-MASK", O::kText);
  t.Add("File Timestamp", Kind::kCode, &S::file_timestamp, "0").Names(n::kFileTimestamp).Opt("--FILE-TIMESTAMP", O::kName);
  t.Add("Custom Timestamp", Kind::kDate, &S::custom_timestamp, kDefaultNow).Opt("--FILE-TIMESTAMP-CUSTOM", O::kInteger);
  t.Add("Out Folders History", Kind::kFlag, &S::out_folders_history, "1");
  t.Add("Out Folders Number", Kind::kCode, &S::out_folders_number, "5");
  t.Add("Keep Subfolders", Kind::kFlag, &S::keep_subfolders, "1").Opt("--NO-SUBFOLDERS", O::kFlag).Sets(0);

  t.Group("File");
  t.Add("Recent Out Folders", Kind::kText, &S::recent_out_folders, "");
  t.Add("Recent Files", Kind::kText, &S::recent_files, "");

  t.Group("Privacy");
  t.Add("Clean Recent Files", Kind::kFlag, &S::clean_recent_files, "0");
  // clang-format on
  return t.Take();
}

bool EqualNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::toupper(static_cast<unsigned char>(x))
                  == std::toupper(static_cast<unsigned char>(y));
         });
}

std::string_view TrimBlanks(std::string_view text) {
  const auto blank = [](char c) {
    return c == ' ' || c == '\t';
  };
  while (!text.empty() && blank(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && blank(text.back()))
    text.remove_suffix(1);
  return text;
}

float ReadConfigFloat(std::string_view text) {
  auto [i, negative] = SkipBlanksAndSign(text);
  std::string number = negative ? "-" : "";
  while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])))
    number += text[i++];
  if (i < text.size() && text[i] == '.') {
    number += text[i++];
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])))
      number += text[i++];
  }
  return std::strtof(number.c_str(), nullptr);
}

}  // namespace

std::span<const SettingRow> SettingRows() {
  static const std::vector<SettingRow> rows = BuildRows();
  return rows;
}

const SettingRow* FindSetting(std::string_view group, std::string_view key) {
  for (const SettingRow& row : SettingRows())
    if (EqualNoCase(row.group, group) && EqualNoCase(row.key, key))
      return &row;
  return nullptr;
}

const SettingRow* FindOption(std::string_view upper_name, bool in_profile) {
  if (upper_name.empty())
    return nullptr;
  for (const SettingRow& row : SettingRows()) {
    const std::string_view name =
        in_profile && !row.profile_key.empty() ? row.profile_key : row.option;
    if (!name.empty() && name == upper_name)
      return &row;
  }
  return nullptr;
}

std::int64_t ReadConfigNumber(std::string_view text) {
  auto [i, negative] = SkipBlanksAndSign(text);
  std::uint64_t value = 0;
  for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
    value = value * 10 + static_cast<unsigned>(text[i] - '0');  // wraps like the 32-bit store
  const auto magnitude = static_cast<std::int64_t>(value);
  return negative ? -magnitude : magnitude;
}

std::string DefaultText(const SettingRow& row, std::string_view text, const ResetContext& c) {
  (void)row;
  if (text == kDefaultNow)
    return std::to_string(c.now);
  if (text == kDefaultFirstInput)
    return c.first_input_extension;
  if (text == kDefaultFirstOutput)
    return c.first_output_extension;
  if (text == kDefaultKeepAspect)
    return c.keep_proportions ? "0" : "1";
  if (text == kDefaultCentreX)
    return std::to_string(510 < c.desktop_width ? (c.desktop_width - 510) / 2 : 100);
  if (text == kDefaultCentreY)
    return std::to_string(330 < c.desktop_height ? (c.desktop_height - 330) / 2 : 100);
  return std::string(text);
}

void StoreText(Settings& s, const SettingRow& row, std::string_view text) {
  std::visit(
      [&](auto field) {
        using T = std::remove_reference_t<decltype(s.*field)>;
        if constexpr (std::is_same_v<T, std::string>)
          s.*field = std::string(text);
        else if constexpr (std::is_same_v<T, float>)
          s.*field = ReadConfigFloat(text);
        else
          s.*field = static_cast<T>(ReadConfigNumber(text));  // int8 keeps the low 8 bits
      },
      row.field);
}

std::string FieldText(const Settings& s, const SettingRow& row) {
  return std::visit(
      [&](auto field) -> std::string {
        using T = std::remove_cvref_t<decltype(s.*field)>;
        if constexpr (std::is_same_v<T, std::string>) {
          return s.*field;
        } else if constexpr (std::is_same_v<T, float>) {
          char buffer[64];
          std::snprintf(buffer, sizeof buffer, "%.6f", static_cast<double>(s.*field));
          return buffer;
        } else {
          return std::to_string(static_cast<std::int64_t>(s.*field));
        }
      },
      row.field);
}

std::int64_t NumericValue(const Settings& s, const SettingRow& row) {
  return std::visit(
      [&](auto field) -> std::int64_t {
        using T = std::remove_cvref_t<decltype(s.*field)>;
        if constexpr (std::is_same_v<T, std::string>)
          return 0;
        else
          return static_cast<std::int64_t>(s.*field);
      },
      row.field);
}

void ResetSettings(Settings& s, const ResetContext& context) {
  for (const SettingRow& row : SettingRows())
    StoreText(s, row, DefaultText(row, row.reset_default, context));
}

Settings DefaultSettings(const ResetContext& context) {
  Settings s{};
  ResetSettings(s, context);
  return s;
}

int NameToCode(std::span<const ValueName> names, std::string_view text) {
  text = TrimBlanks(text);
  for (const ValueName& name : names)
    if (EqualNoCase(name.name, text))
      return name.code;
  return 0;
}

std::string CodeToName(std::span<const ValueName> names, int code) {
  for (const ValueName& name : names) {
    if (name.code == code) {
      std::string lower(name.name);
      for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      return lower;
    }
  }
  return {};
}
