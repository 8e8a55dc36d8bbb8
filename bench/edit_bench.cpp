// Times the frame and watermark steps on a full 64Base picture (6144 x 4096)
// against what saving that picture as an uncompressed TIFF costs, the step
// every conversion ends with.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "engine/frame.h"
#include "engine/watermark.h"
#include "platform/files.h"
#include "settings/settings_table.h"

namespace {

constexpr int kWidth = 6144, kHeight = 4096, kRuns = 5;

Picture TestPicture() {
  Picture pic = Adopt(FreeImage_Allocate(kWidth, kHeight, 24));
  for (int y = 0; y < kHeight; ++y) {
    BYTE* row = FreeImage_GetScanLine(pic.get(), y);
    for (int x = 0; x < kWidth; ++x, row += 3) {
      row[FI_RGBA_RED] = static_cast<BYTE>(x);
      row[FI_RGBA_GREEN] = static_cast<BYTE>(y);
      row[FI_RGBA_BLUE] = static_cast<BYTE>(x ^ y);
    }
  }
  return pic;
}

// The median of kRuns timings of `step` in milliseconds; each run gets a
// fresh copy of the picture, which is not timed.
double MedianMs(const Picture& source, const std::function<Picture(Picture)>& step) {
  std::vector<double> times;
  for (int i = 0; i < kRuns; ++i) {
    Picture copy = Clone(source);
    const auto start = std::chrono::steady_clock::now();
    copy = step(std::move(copy));
    times.push_back(
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
            .count());
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

Settings Framed(int side, int opacity) {
  Settings s;
  ResetSettings(s, ResetContext{});
  s.do_frame = codes::kSolidFrame;
  s.solid_left = s.solid_right = s.solid_top = s.solid_bottom = side;
  s.solid_top_color = "FF0000";
  s.solid_opacity = opacity;
  return s;
}

}  // namespace

int main() {
  const Picture pic = TestPicture();
  const ScopedTempDir folder;
  const std::string tiff = folder.path() + "bench.tiff";
  const double save = MedianMs(pic, [&](Picture p) {
    FreeImage_Save(FIF_TIFF, p.get(), tiff.c_str(), TIFF_NONE);
    return p;
  });
  std::printf("picture %d x %d, median of %d runs\n", kWidth, kHeight, kRuns);
  std::printf("%-40s %8.1f ms\n", "save as uncompressed TIFF", save);

  struct FrameCase {
    int side, opacity;
  };

  for (const FrameCase c : {FrameCase{20, 255}, {100, 255}, {100, 128}, {400, 128}}) {
    const Settings s = Framed(c.side, c.opacity);
    const double ms = MedianMs(pic, [&](Picture p) {
      return DrawFrame(std::move(p), {kWidth, kHeight}, s);
    });
    char what[64];
    std::snprintf(what, sizeof what, "frame %d px, opacity %d", c.side, c.opacity);
    std::printf("%-40s %8.1f ms  (%.0f%% of the save)\n", what, ms, 100 * ms / save);
  }

  Settings text;
  ResetSettings(text, ResetContext{});
  text.do_watermark = codes::kTextWatermark;
  text.text = "Photo %filename%%eol%%yyyy%";
  text.font_size = 48;
  text.text_antialiasing = 1;
  const auto font = LoadWatermarkFont(text);
  PlaceholderValues values;
  values.input_path = "/photos/IMG0001.pcd";
  const double watermark = MedianMs(pic, [&](Picture p) {
    return DrawWatermark(std::move(p), {kWidth, kHeight}, text, values, font.get());
  });
  std::printf("%-40s %8.1f ms  (%.0f%% of the save)\n", "text watermark, 48 pt, smoothed",
              watermark, 100 * watermark / save);
  return 0;
}
