// The edit steps as the one-file pipeline runs them, on a picture from the
// stand-in converter: order, the size the placeholders see, and the save.
#include <gtest/gtest.h>

#include "engine/pipeline.h"
#include "engine/watermark.h"
#include "engine/watermark_font.h"
#include "platform/fake_process_runner.h"
#include "platform/files.h"
#include "settings/settings_table.h"
#include "tests/helpers/edit_pictures.h"

TEST(EditChain, RotatesResizesFramesAndNamesByTheEditedSize) {
  FakeProcessRunner converter;
  converter.levels[3] = FakeProcessRunner::Writes(300, 200);
  FakeClock clock;
  ScopedTempDir temp, out;
  EngineEnv env;
  env.runner = &converter;
  env.clock = &clock;
  env.converter = "fake";
  env.temp_folder = temp.path();

  Settings s = DefaultSettings();
  s.do_image_rotation = 1;
  s.transform_image_rotation = 90;
  s.do_image_resize = 1;
  s.image_width = s.image_height = 50;
  s.image_width_unit = s.image_height_unit = codes::kPercent;
  s.do_frame = codes::kSolidFrame;
  s.solid_left = s.solid_right = s.solid_top = s.solid_bottom = 4;
  s.solid_left_color = s.solid_right_color = s.solid_top_color = s.solid_bottom_color = "FF0000";
  s.do_watermark = codes::kTextWatermark;
  s.text = "%width%x%height%";
  s.back_opacity = 255;
  s.filename_mask = "%width%x%height%.%ext%";
  const auto font = LoadWatermarkFont(s);
  ASSERT_TRUE(font);
  env.font = font.get();

  JobState job;
  job.output_folder = out.path();
  job.output_extension = "tiff";
  job.output_format_id = FIF_TIFF;
  job.current_input_path = "/photos/IMG0001.pcd";
  ASSERT_TRUE(ConvertOneFile(job, s, env));

  // 300 x 200 turned upright is 200 x 300, halved 100 x 150.
  EXPECT_EQ(out.path() + "100x150.tiff", job.output_path);
  const Picture saved = Adopt(FreeImage_Load(FIF_TIFF, job.output_path.c_str(), 0));
  EXPECT_EQ((Size{100, 150}), SizeOf(saved));
  EXPECT_EQ((Rgb{255, 0, 0}), ColourAt(saved, 1, 1));
  EXPECT_EQ((Rgb{255, 0, 0}), ColourAt(saved, 98, 148));
  // The watermark's black box sits 10 pixels from the bottom right corner.
  EXPECT_EQ((Rgb{0, 0, 0}), ColourAt(saved, 100 - 11, 150 - 11));
}
