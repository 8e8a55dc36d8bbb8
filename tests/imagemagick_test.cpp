// With ImageMagick as the converter, a conversion must give the same pixels,
// the same way up, as ImageMagick writing a TIFF itself for the level that
// was delivered.
#include <gtest/gtest.h>

#include "engine/pipeline.h"
#include "platform/fake_process_runner.h"
#include "settings/settings_table.h"
#include "tests/helpers/scratch.h"

namespace {

// Remembers which level last left a picture behind.
class RecordingRunner : public ProcessRunner {
 public:
  ProcessResult Run(const std::vector<std::string>& argv) override {
    const ProcessResult r = real_.Run(argv);
    if (r.Succeeded() && FileSize(argv.back().substr(4)) > 0)
      delivered = argv[6].substr(argv[6].rfind('['));
    return r;
  }

  std::string delivered;

 private:
  PosixProcessRunner real_;
};

void ExpectSameAsImageMagick(const std::string& input) {
  ScratchFolder temp, out;
  RecordingRunner runner;
  SystemClock clock;
  EngineEnv env{&runner, &clock, "convert", temp.path(), {}, nullptr};
  JobState job;
  job.output_folder = out.path();
  job.output_extension = "tiff";
  job.output_format_id = FIF_TIFF;
  job.current_input_path = input;
  const Settings s = DefaultSettings();
  ASSERT_TRUE(ConvertOneFile(job, s, env));
  ASSERT_FALSE(runner.delivered.empty());

  const std::string reference = out.Path("reference.tiff");
  ASSERT_EQ(0, RunShell("convert -quiet -colorspace sRGB 'pcd:" + input + runner.delivered + "' '"
                        + reference + "'"));
  Picture ours = Adopt(FreeImage_Load(FIF_TIFF, job.output_path.c_str(), 0));
  Picture theirs = Adopt(FreeImage_Load(FIF_TIFF, reference.c_str(), 0));
  ASSERT_TRUE(ours && theirs);
  ASSERT_EQ(SizeOf(theirs), SizeOf(ours));
  ASSERT_EQ(24u, FreeImage_GetBPP(ours.get()));
  theirs = Adopt(FreeImage_ConvertTo24Bits(theirs.get()));
  const Size size = SizeOf(ours);
  int differing = 0;
  for (int y = 0; y < size.height; ++y)
    for (int x = 0; x < size.width; ++x)
      differing += PixelAt(ours, x, y) == PixelAt(theirs, x, y) ? 0 : 1;
  EXPECT_EQ(0, differing) << "delivered level " << runner.delivered;
  EXPECT_EQ(0, CountEntries(temp.path()));
}

TEST(ImageMagickConverter, SampleConvertsToTheConvertersOwnPixels) {
  ExpectSameAsImageMagick(std::string(MARLENTA_SAMPLES) + "/hopper.pcd");
}

TEST(ImageMagickConverter, GeneratedFileConvertsToTheConvertersOwnPixels) {
  ScratchFolder folder;
  const std::string pcd = folder.Path("rose.pcd");
  ASSERT_EQ(0, RunShell("convert rose: -resize 768x512! '" + pcd + "'"));
  ExpectSameAsImageMagick(pcd);
}

}  // namespace
