#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/naming.h"
#include "engine/picture.h"
#include "engine/watermark_font.h"
#include "settings/settings.h"

/// `Text` with its placeholders filled, when it holds at least two "%"
/// characters; otherwise as it stands. The text keeps its case.
std::string WatermarkText(const Settings& s, const PlaceholderValues& values);

/// The lines of a watermark text: split at every "%eol%", in any case.
std::vector<std::string> SplitLines(std::string_view text);

/// The left edge of a line `line_width` wide in a layer `layer_width` wide,
/// for a `Text Alignment` code (0 for an unknown code).
int AlignX(int alignment, int layer_width, int line_width, int padding);

/// The text block's arithmetic from the measured size of each line.
struct TextBlock {
  Size layer;         // with the padding on every side
  int line_step = 0;  // from one line's top to the next one's
};

TextBlock LayOutBlock(const std::vector<Size>& line_sizes, const Settings& s);

/// The text layer: a 32-bit picture with straight alpha holding the lines
/// on their background, drawn as 2D text or, with `Text Antialiasing`, as
/// smoothed vector text. Empty when the block has no area.
Picture TextLayer(const std::vector<std::string>& lines, const Settings& s,
                  const WatermarkFont& font);
