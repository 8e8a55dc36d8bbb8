#pragma once

#include <cstdint>
#include <string>

// The one settings record. Every field is named after its configuration key;
// the defaults, the configuration file, the options and the profiles all go
// through the table in settings_table.h, so the struct itself carries no
// default values.
struct Settings {
  // [General]
  std::int32_t cfg;
  std::string language;
  std::int32_t update_range;
  std::int64_t update_date;
  std::int8_t save_window_position;

  // [Window]
  std::int8_t is_maximized;
  std::int32_t width;
  std::int32_t height;
  std::int32_t x;
  std::int32_t y;

  // [Interface]
  std::string ui_theme;
  std::int32_t ui_size;

  // [Input]
  std::string input_format;
  std::int32_t dds_load_as;
  std::int32_t gif_frame_loading;
  std::int32_t ico_frame_loading;
  std::int32_t tiff_frame_loading;
  std::int32_t psd_color_mode;
  std::int32_t raw_load_as;
  std::int32_t raw_header_size;
  std::int32_t raw_image_width;
  std::int32_t raw_image_height;
  std::int32_t raw_tone_mapping;

  // [Output]
  std::string output_format;
  std::int32_t bmp_bpp, bmp_compression, bmp_color_table;
  std::int32_t dds_bpp;
  std::int32_t exr_bpp, exr_compression;
  std::int32_t gif_bpp, hdr_bpp, ico_bpp, j2k_bpp, jng_bpp, jp2_bpp, jxr_bpp, pbm_bpp, pcx_bpp,
      pfm_bpp, pgm_bpp, ppm_bpp, psd_bpp, wbmp_bpp, xpm_bpp;
  std::int32_t jpg_bpp, jpg_quality, jpg_chroma, jpg_save_as;
  std::int32_t png_bpp, png_compression;
  std::int8_t png_interlaced;
  std::int32_t tga_bpp, tga_compression;
  std::int32_t tiff_bpp, tiff_compression, tiff_color_mode;
  std::int32_t webp_bpp, webp_quality;

  // [Transform]
  std::int8_t do_image_rotation;
  std::int8_t image_rotation_type;
  std::int32_t transform_image_rotation;
  std::string image_rotation_back_color;
  std::int8_t do_image_resize;
  std::int32_t image_width;
  std::int8_t image_width_unit;
  std::int32_t image_height;
  std::int8_t image_height_unit;
  std::int8_t keep_aspect_ratio;
  std::int8_t image_resize_type;
  std::int8_t image_resize_algorithm;
  std::int8_t do_image_flip_horizontal;
  std::int8_t do_image_flip_vertical;

  // [Adjustment]
  std::int8_t do_image_color_correction;
  std::int32_t image_brightness;
  std::int32_t image_contrast;
  float image_gamma;
  std::int8_t image_invert;
  std::int8_t do_image_greyscale;
  std::int8_t do_image_threshold;
  std::int32_t image_threshold;
  std::int8_t do_image_dither;
  std::int8_t image_dither_algorithm;

  // [Frame]
  std::int8_t do_frame;
  std::int32_t solid_left, solid_right, solid_top, solid_bottom;
  std::string solid_left_color, solid_right_color, solid_top_color, solid_bottom_color;
  std::int32_t solid_opacity;

  // [Watermark]
  std::int8_t do_watermark;
  std::string text;
  std::string fonts;
  std::string font;
  std::int32_t font_size;
  std::int32_t font_leading;
  std::string font_colors;
  std::string font_color;
  std::int8_t font_style;
  std::int8_t font_effect;
  std::int8_t text_antialiasing;
  std::int8_t text_alignment;
  std::int32_t text_padding;
  std::int32_t text_opacity;
  std::string back_colors;
  std::string back_color;
  std::int32_t back_opacity;
  std::int8_t text_boundary;
  std::int8_t text_position;
  std::int32_t text_x_offset, text_y_offset;
  std::int32_t text_rotation;
  std::int8_t text_size;
  std::int32_t text_scale;
  std::string image;
  std::int8_t image_greyscale;
  std::int32_t image_opacity;
  std::int8_t image_boundary;
  std::int8_t image_position;
  std::int32_t image_x_offset, image_y_offset;
  std::int32_t watermark_image_rotation;
  std::int8_t image_size;
  std::int32_t image_scale;

  // [Advanced]
  std::string filename_mask;
  std::int8_t file_timestamp;
  std::int64_t custom_timestamp;
  std::int8_t out_folders_history;
  std::int8_t out_folders_number;
  std::int8_t keep_subfolders;

  // [File]
  std::string recent_out_folders;
  std::string recent_files;

  // [Privacy]
  std::int8_t clean_recent_files;
};

// Codes of the enumerated settings that the engine branches on.
namespace codes {
enum Rotation : std::int8_t { kSimpleRotation = 0, kAdvancedRotation = 1 };

enum Unit : std::int8_t { kPixels = 0, kPercent = 1 };

enum ResizeType : std::int8_t { kAllImages = 0, kLargeImages = 1 };

enum Frame : std::int8_t { kNoFrame = 0, kSolidFrame = 1 };

enum Watermark : std::int8_t { kNoWatermark = 0, kTextWatermark = 1, kImageWatermark = 2 };

enum Timestamp : std::int8_t { kCurrentTime = 0, kOriginalTime = 1, kCustomTime = 2 };

enum TiffColorMode : std::int32_t { kRgb = 0, kCmyk = 1, kLab = 2 };
}  // namespace codes
