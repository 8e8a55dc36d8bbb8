// The one-file pipeline and the worker, with the converter and the clock
// replaced so every decode level and duration is under the test's control.
#include "engine/pipeline.h"

#include <signal.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

#include <gtest/gtest.h>

#include "platform/fake_process_runner.h"
#include "settings/settings_table.h"
#include "tests/helpers/scratch.h"

namespace {

const std::string kHopper = std::string(MARLENTA_SAMPLES) + "/hopper.pcd";

Settings Defaults() {
  return DefaultSettings({.keep_proportions = true});
}

class PipelineTest : public ::testing::Test {
 protected:
  PipelineTest() {
    env_.runner = &converter_;
    env_.clock = &clock_;
    env_.converter = "fake";
    env_.temp_folder = temp_.path();
    job_.output_folder = out_.path();
    job_.output_extension = "tiff";
    job_.output_format_id = FIF_TIFF;
    job_.current_input_path = kHopper;
  }

  Picture Decode() { return DecodePhotoCd(kHopper, temp_.Path("hopper.tga"), env_); }

  FakeProcessRunner converter_;
  FakeClock clock_;
  ScratchFolder temp_, out_;
  EngineEnv env_;
  JobState job_;
  Settings settings_ = Defaults();
};

TEST_F(PipelineTest, StopsAtTheFirstLevelThatWrites) {
  converter_.levels[6] = FakeProcessRunner::Writes(6144, 4096);
  Picture pic = Decode();
  EXPECT_EQ((std::vector<int>{6}), converter_.LevelsAsked());
  EXPECT_EQ((Size{6144, 4096}), SizeOf(pic));
}

TEST_F(PipelineTest, StepsDownToTheFirstLevelThatWrites) {
  converter_.levels[4] = FakeProcessRunner::Writes(1536, 1024);
  Picture pic = Decode();
  EXPECT_EQ((std::vector<int>{6, 5, 4}), converter_.LevelsAsked());
  EXPECT_EQ((Size{1536, 1024}), SizeOf(pic));
  EXPECT_EQ(120, PixelAt(pic, 0, 0).g);  // level 4's own grey
  EXPECT_EQ(30, clock_.slept);           // a pause only after the run that wrote
}

TEST_F(PipelineTest, FallsBackToFreeImagesOwnLoaderWhenNothingWrites) {
  Picture pic = Decode();
  EXPECT_EQ((std::vector<int>{6, 5, 4, 3, 2, 1, 0}), converter_.LevelsAsked());
  EXPECT_EQ((Size{768, 512}), SizeOf(pic));
  Picture own = Adopt(FreeImage_Load(FIF_PCD, kHopper.c_str(), 0));
  ASSERT_TRUE(own);
  EXPECT_EQ(PixelAt(own, 100, 100), PixelAt(pic, 100, 100));
}

TEST_F(PipelineTest, AFailedOrKilledRunCountsAsNoFileEvenWhenItWroteOne) {
  converter_.levels[6] = FakeProcessRunner::Writes();
  converter_.levels[6].result = {true, 1, 0};
  converter_.levels[5] = FakeProcessRunner::Writes();
  converter_.levels[5].result = {true, 0, SIGKILL};
  converter_.levels[4] = FakeProcessRunner::Writes(1536, 1024);
  Picture pic = Decode();
  EXPECT_EQ((std::vector<int>{6, 5, 4}), converter_.LevelsAsked());
  EXPECT_EQ((Size{1536, 1024}), SizeOf(pic));
}

TEST_F(PipelineTest, AnEmptyFileEndsTheLoopAndTheOwnLoaderTakesOver) {
  converter_.levels[6] = FakeProcessRunner::Writes();
  converter_.levels[6].empty_file = true;
  Picture pic = Decode();
  EXPECT_EQ((std::vector<int>{6}), converter_.LevelsAsked());
  EXPECT_EQ((Size{768, 512}), SizeOf(pic));
}

TEST_F(PipelineTest, PanoramasAreDecodedOnceMoreAtTheLevelOfTheirShorterSide) {
  struct Case {
    Size first;
    std::vector<int> asked;
  };

  const Case cases[] = {
      {{6144, 2048}, {6, 5}},  // ratio 3, shorter side 2048
      {{3072, 2048}, {6}},     // ratio 1.5
      {{2000, 500}, {6}},      // shorter side not a level's
      {{1024, 3072}, {6, 4}},  // standing panorama
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.first.width);
    converter_.calls.clear();
    converter_.levels[6] = FakeProcessRunner::Writes(c.first.width, c.first.height);
    converter_.levels[5] = FakeProcessRunner::Writes(3072, 2048);
    converter_.levels[4] = FakeProcessRunner::Writes(1536, 1024);
    Decode();
    EXPECT_EQ(c.asked, converter_.LevelsAsked());
  }
}

TEST_F(PipelineTest, TheArgumentVectorNamesOnlyThePhotoCdReaderAndTgaWriter) {
  const auto argv = ConverterArguments("conv", "/in/a b.pcd", 5, "/tmp/x/a b.tga");
  EXPECT_EQ((std::vector<std::string>{"conv", "-quiet", "-colorspace", "sRGB", "-orient", "TopLeft",
                                      "pcd:/in/a b.pcd[5]", "tga:/tmp/x/a b.tga"}),
            argv);
  const auto relative = ConverterArguments("conv", "a.pcd", 3, "t.tga");
  EXPECT_EQ('/', relative[6][4]);  // the converter gets an absolute input path
}

TEST_F(PipelineTest, ConvertOneFileSavesATiffAndLeavesNoTemporaryFile) {
  converter_.levels[3] = FakeProcessRunner::Writes();
  ASSERT_TRUE(ConvertOneFile(job_, settings_, env_));
  EXPECT_EQ(out_.Path("hopper.tiff"), job_.output_path);
  Picture saved = Adopt(FreeImage_Load(FIF_TIFF, job_.output_path.c_str(), 0));
  EXPECT_EQ((Size{768, 512}), SizeOf(saved));
  EXPECT_EQ(90, PixelAt(saved, 5, 5).r);
  EXPECT_EQ(0, CountEntries(temp_.path()));
}

TEST_F(PipelineTest, AFileThatDoesNotDecodeFailsAndLeavesNothing) {
  const std::string junk = out_.Path("junk.pcd");
  ASSERT_TRUE(WriteFile(junk, "not a photo cd"));
  job_.current_input_path = junk;
  converter_.levels[6] = FakeProcessRunner::Writes();
  converter_.levels[6].empty_file = true;
  EXPECT_FALSE(ConvertOneFile(job_, settings_, env_));
  EXPECT_EQ(0, CountEntries(temp_.path()));
  EXPECT_EQ(1, CountEntries(out_.path()));  // only the input itself
}

TEST_F(PipelineTest, ASaveIntoAMissingFolderFailsAndCleansUp) {
  converter_.levels[3] = FakeProcessRunner::Writes();
  job_.output_folder = out_.Path("missing/");
  EXPECT_FALSE(ConvertOneFile(job_, settings_, env_));
  EXPECT_EQ(0, CountEntries(temp_.path()));
}

TEST(ReadResolution, ExifNumeratorsAreDotsPerInch) {
  Picture pic = GreyPicture(4, 4, 0);
  FreeImage_SetDotsPerMeterX(pic.get(), 1000);
  FreeImage_SetDotsPerMeterY(pic.get(), 2000);
  EXPECT_EQ(1000u, ReadResolution(pic.get()).x);  // no EXIF: the picture's own values

  const auto set_rational = [&](const char* key, DWORD numerator) {
    FITAG* tag = FreeImage_CreateTag();
    const DWORD value[2] = {numerator, 1};
    FreeImage_SetTagKey(tag, key);
    FreeImage_SetTagType(tag, FIDT_RATIONAL);
    FreeImage_SetTagCount(tag, 1);
    FreeImage_SetTagLength(tag, sizeof value);
    FreeImage_SetTagValue(tag, value);
    FreeImage_SetMetadata(FIMD_EXIF_MAIN, pic.get(), key, tag);
    FreeImage_DeleteTag(tag);
  };
  set_rational("XResolution", 300);
  set_rational("YResolution", 72);
  const Resolution r = ReadResolution(pic.get());
  EXPECT_EQ(11811u, r.x);
  EXPECT_EQ(2835u, r.y);
}

// Runs the worker over copies of hopper.pcd with a converter that lets the
// test act while file k converts.
class WorkerTest : public PipelineTest {
 protected:
  class SteppingRunner : public ProcessRunner {
   public:
    SteppingRunner(FakeProcessRunner& inner, std::function<void(const std::string&)> each)
        : inner_(inner), each_(std::move(each)) {}

    ProcessResult Run(const std::vector<std::string>& argv) override {
      each_(argv[6]);
      return inner_.Run(argv);
    }

   private:
    FakeProcessRunner& inner_;
    std::function<void(const std::string&)> each_;
  };

  void AddFiles(int n) {
    for (int i = 1; i <= n; ++i) {
      const std::string path = out_.Path("f" + std::to_string(i) + ".pcd");
      std::filesystem::copy_file(kHopper, path);
      list_.Add(path, "");
    }
  }

  JobList list_;
  ProgressBlock progress_;
};

TEST_F(WorkerTest, ClearingTheRunningFlagFinishesTheCurrentFileAndStartsNoOther) {
  AddFiles(4);
  converter_.levels[3] = FakeProcessRunner::Writes();
  SteppingRunner runner(converter_, [&](const std::string& arg) {
    if (arg.find("f2.pcd[6]") != std::string::npos)
      progress_.Stop();
  });
  env_.runner = &runner;
  job_.input_named = true;
  std::vector<std::string> lines;
  env_.print = [&](std::string_view line) {
    lines.emplace_back(line);
  };
  job_.run_mode = RunMode::kDebug;
  progress_.Reset();
  RunWorker(job_, list_, settings_, progress_, env_);
  EXPECT_EQ(2, progress_.Read().result_count);
  EXPECT_EQ(2, progress_.Read().current_index);
  EXPECT_EQ(3, job_.file_counter);
  EXPECT_EQ(0, access(out_.Path("f3.tiff").c_str(), F_OK) == 0 ? 1 : 0);
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ("Processing: " + out_.Path("f1.pcd"), lines.front());
  EXPECT_EQ("[OK] Saving As: " + out_.Path("f2.tiff"), lines.back());
}

TEST_F(WorkerTest, PublishesThePreviousFilesDuration) {
  AddFiles(3);
  converter_.levels[3] = FakeProcessRunner::Writes();
  std::vector<std::int64_t> published;
  SteppingRunner runner(converter_, [&](const std::string& arg) {
    if (arg.find("[6]") == std::string::npos)
      return;
    published.push_back(progress_.Read().previous_duration);
    // file 1 fails (its input vanishes), file 2 takes 200 ms
    if (arg.find("f1.pcd") != std::string::npos)
      converter_.levels.erase(3), std::filesystem::remove(out_.Path("f1.pcd"));
    else
      converter_.levels[3] = FakeProcessRunner::Writes(), clock_.ms += 200;
  });
  env_.runner = &runner;
  EXPECT_EQ(2, RunWorkerAndWait(job_, list_, settings_, progress_, env_));
  EXPECT_EQ((std::vector<std::int64_t>{0, 0, 1000}), published);
}

TEST_F(WorkerTest, OriginalTimestampCopiesTheInputsTime) {
  AddFiles(1);
  SetModificationTime(out_.Path("f1.pcd"), 1000000000);
  converter_.levels[3] = FakeProcessRunner::Writes();
  settings_.file_timestamp = codes::kOriginalTime;
  ASSERT_EQ(1, RunWorkerAndWait(job_, list_, settings_, progress_, env_));
  EXPECT_EQ(1000000000, ModificationTime(out_.Path("f1.tiff")).value_or(0));

  settings_.file_timestamp = codes::kCustomTime;
  settings_.custom_timestamp = 1200000000;
  ASSERT_EQ(1, RunWorkerAndWait(job_, list_, settings_, progress_, env_));
  EXPECT_EQ(1200000000, ModificationTime(out_.Path("f1.tiff")).value_or(0));
}

TEST_F(WorkerTest, KeptSubfoldersAreCreatedLevelByLevel) {
  AddFiles(1);
  list_.Clear();
  list_.Add(out_.Path("f1.pcd"), "a/b/");
  converter_.levels[3] = FakeProcessRunner::Writes();
  ASSERT_EQ(1, RunWorkerAndWait(job_, list_, settings_, progress_, env_));
  EXPECT_EQ(out_.Path("a/b/f1.tiff"), job_.output_path);
}

}  // namespace

namespace {

TEST_F(PipelineTest, TheOwnLoaderIsNotHandedFilesThatHoldNoBasePicture) {
  const std::string cut = out_.Path("cut.pcd");
  std::string bytes(400000, '\0');
  bytes.replace(0x800, 7, "PCD_IPI");
  ASSERT_TRUE(WriteFile(cut, bytes));
  EXPECT_FALSE(DecodePhotoCd(cut, temp_.Path("cut.tga"), env_));
  EXPECT_FALSE(DecodePhotoCd(out_.Path("missing.pcd"), temp_.Path("missing.tga"), env_));
}

}  // namespace
