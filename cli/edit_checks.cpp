// The edit-settings rows of a console job: which rows apply, the debug line
// of each, and the checks some of them make.
#include "cli/job_checks.h"
#include "engine/watermark.h"
#include "platform/files.h"
#include "settings/settings_table.h"

namespace {

enum class When {
  kAlways,
  kRotation,
  kResize,
  kColour,
  kThreshold,
  kDither,
  kSolidFrame,
  kTextWatermark,
  kImageWatermark,
  kCustomTime
};

enum class Check { kNone, kWidth, kHeight, kBrightness, kContrast, kGamma, kFont, kImage };

struct EditRow {
  When when;
  std::string_view label;
  std::string_view group;
  std::string_view key;
  std::string_view joiner = {};  // between the value and that of `second`
  std::string_view second = {};  // a second key of the same group
  Check check = Check::kNone;
};

// clang-format off
constexpr EditRow kRows[] = {
    {When::kRotation,       "Image Rotation Type: ",          "Transform",  "Image Rotation Type"},
    {When::kRotation,       "Image Rotation: ",               "Transform",  "Image Rotation"},
    {When::kRotation,       "Image Rotation Back Color: ",    "Transform",  "Image Rotation Back Color"},
    {When::kResize,         "Width: ",                        "Transform",  "Image Width", " ", "Image Width Unit", Check::kWidth},
    {When::kResize,         "Height: ",                       "Transform",  "Image Height", " ", "Image Height Unit", Check::kHeight},
    {When::kResize,         "Keep Aspect Ratio: ",            "Transform",  "Keep Aspect Ratio"},
    {When::kResize,         "Image Resize Type: ",            "Transform",  "Image Resize Type"},
    {When::kResize,         "Image Resize Algorithm: ",       "Transform",  "Image Resize Algorithm"},
    {When::kAlways,         "Flip Horizontal: ",              "Transform",  "Do Image Flip Horizontal"},
    {When::kAlways,         "Flip Vertical: ",                "Transform",  "Do Image Flip Vertical"},
    {When::kColour,         "Brightness: ",                   "Adjustment", "Image Brightness", {}, {}, Check::kBrightness},
    {When::kColour,         "Contrast: ",                     "Adjustment", "Image Contrast", {}, {}, Check::kContrast},
    {When::kColour,         "Gamma: ",                        "Adjustment", "Image Gamma", {}, {}, Check::kGamma},
    {When::kColour,         "Invert: ",                       "Adjustment", "Image Invert"},
    {When::kAlways,         "Greyscale: ",                    "Adjustment", "Do Image Greyscale"},
    {When::kThreshold,      "Image Threshold: ",              "Adjustment", "Image Threshold"},
    {When::kDither,         "Image Dithering Algorithm: ",    "Adjustment", "Image Dither Algorithm"},
    {When::kAlways,         "Frame: ",                        "Frame",      "Do Frame"},
    {When::kSolidFrame,     "Frame left: ",                   "Frame",      "Solid Left"},
    {When::kSolidFrame,     "Frame right: ",                  "Frame",      "Solid Right"},
    {When::kSolidFrame,     "Frame top: ",                    "Frame",      "Solid Top"},
    {When::kSolidFrame,     "Frame bottom: ",                 "Frame",      "Solid Bottom"},
    {When::kSolidFrame,     "Frame left color: ",             "Frame",      "Solid Left Color"},
    {When::kSolidFrame,     "Frame right color: ",            "Frame",      "Solid Right Color"},
    {When::kSolidFrame,     "Frame top color: ",              "Frame",      "Solid Top Color"},
    {When::kSolidFrame,     "Frame bottom color: ",           "Frame",      "Solid Bottom Color"},
    {When::kSolidFrame,     "Frame opacity: ",                "Frame",      "Solid Opacity"},
    {When::kAlways,         "Watermark: ",                    "Watermark",  "Do Watermark"},
    {When::kTextWatermark,  "Watermark text: ",               "Watermark",  "Text"},
    {When::kTextWatermark,  "Watermark font: ",               "Watermark",  "Font"},
    {When::kTextWatermark,  "Watermark font size: ",          "Watermark",  "Font Size"},
    {When::kTextWatermark,  "Watermark font leading: ",       "Watermark",  "Font Leading"},
    {When::kTextWatermark,  "Watermark font color: ",         "Watermark",  "Font Color"},
    {When::kTextWatermark,  "Watermark font style: ",         "Watermark",  "Font Style"},
    {When::kTextWatermark,  "Watermark font effect: ",        "Watermark",  "Font Effect"},
    {When::kTextWatermark,  "Watermark text antialiasing: ",  "Watermark",  "Text Antialiasing"},
    {When::kTextWatermark,  "Watermark text alignment: ",     "Watermark",  "Text Alignment"},
    {When::kTextWatermark,  "Watermark text padding: ",       "Watermark",  "Text Padding"},
    {When::kTextWatermark,  "Watermark text opacity: ",       "Watermark",  "Text Opacity"},
    {When::kTextWatermark,  "Watermark background color: ",   "Watermark",  "Back Color"},
    {When::kTextWatermark,  "Watermark background opacity: ", "Watermark",  "Back Opacity"},
    {When::kTextWatermark,  "Watermark boundary: ",           "Watermark",  "Text Boundary"},
    {When::kTextWatermark,  "Watermark position: ",           "Watermark",  "Text Position"},
    {When::kTextWatermark,  "Watermark offset (x/y): ",       "Watermark",  "Text X Offset", "/", "Text Y Offset"},
    {When::kTextWatermark,  "Watermark rotation: ",           "Watermark",  "Text Rotation"},
    {When::kTextWatermark,  "Watermark size/mode: ",          "Watermark",  "Text Size", {}, {}, Check::kFont},
    {When::kImageWatermark, "Watermark image: ",              "Watermark",  "Image"},
    {When::kImageWatermark, "Watermark greyscale: ",          "Watermark",  "Image Greyscale"},
    {When::kImageWatermark, "Watermark opacity: ",            "Watermark",  "Image Opacity"},
    {When::kImageWatermark, "Watermark boundary: ",           "Watermark",  "Image Boundary"},
    {When::kImageWatermark, "Watermark position: ",           "Watermark",  "Image Position"},
    {When::kImageWatermark, "Watermark offset (x/y): ",       "Watermark",  "Image X Offset", "/", "Image Y Offset"},
    {When::kImageWatermark, "Watermark rotation: ",           "Watermark",  "Image Rotation"},
    {When::kImageWatermark, "Watermark size/mode: ",          "Watermark",  "Image Size", {}, {}, Check::kImage},
    {When::kAlways,         "Filename Mask: ",                "Advanced",   "Filename Mask"},
    {When::kAlways,         "File Timestamp: ",               "Advanced",   "File Timestamp"},
    {When::kCustomTime,     "Custom Timestamp: ",             "Advanced",   "Custom Timestamp"},
    {When::kAlways,         "Keep Subfolders: ",              "Advanced",   "Keep Subfolders"},
};

// clang-format on

bool Holds(When when, const Settings& s) {
  switch (when) {
    case When::kAlways:
      return true;
    case When::kRotation:
      return s.do_image_rotation != 0;
    case When::kResize:
      return s.do_image_resize != 0;
    case When::kColour:
      return s.do_image_color_correction != 0;
    case When::kThreshold:
      return s.do_image_threshold != 0;
    case When::kDither:
      return s.do_image_dither != 0;
    case When::kSolidFrame:
      return s.do_frame == codes::kSolidFrame;
    case When::kTextWatermark:
      return s.do_watermark == codes::kTextWatermark;
    case When::kImageWatermark:
      return s.do_watermark == codes::kImageWatermark;
    case When::kCustomTime:
      return s.file_timestamp == codes::kCustomTime;
  }
  return false;
}

std::string Shown(const Settings& s, std::string_view group, std::string_view key) {
  const SettingRow* row = FindSetting(group, key);
  return row ? DebugValue(s, *row) : std::string();
}

bool Outside(std::int32_t value, std::int32_t low, std::int32_t high) {
  return value < low || value > high;
}

std::optional<std::string> Run(Check check, const Settings& s,
                               std::shared_ptr<const WatermarkFont>* font) {
  const auto fails = [](bool failed, const char* message) {
    return failed ? std::optional<std::string>(message) : std::nullopt;
  };
  switch (check) {
    case Check::kNone:
      return std::nullopt;
    case Check::kWidth:
      return fails(s.image_width == 0, "Invalid width value");
    case Check::kHeight:
      return fails(s.image_height == 0, "Invalid height value");
    case Check::kBrightness:
      return fails(Outside(s.image_brightness, -100, 100), "Invalid brightness value");
    case Check::kContrast:
      return fails(Outside(s.image_contrast, -100, 100), "Invalid contrast value");
    case Check::kGamma:
      // Written so that NaN fails too: it would turn every pixel to garbage.
      return fails(!(s.image_gamma >= 0.01f && s.image_gamma <= 9.99f), "Invalid gamma value");
    case Check::kFont:
      *font = LoadWatermarkFont(s);
      return fails(!*font, "Invalid watermark font");
    case Check::kImage:
      return fails(FileSize(s.image) <= 0, "Invalid watermark image");
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> CheckEdits(const Settings& s, const DebugPrint& debug,
                                      std::shared_ptr<const WatermarkFont>* font) {
  for (const EditRow& row : kRows) {
    if (!Holds(row.when, s))
      continue;
    if (debug) {
      std::string value = Shown(s, row.group, row.key);
      if (!row.second.empty())
        value += std::string(row.joiner) + Shown(s, row.group, row.second);
      debug(std::string(row.label) + value);
    }
    if (auto error = Run(row.check, s, font))
      return error;
  }
  return std::nullopt;
}
