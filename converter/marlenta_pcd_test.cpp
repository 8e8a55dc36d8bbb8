// End-to-end tests of the marlenta-pcd executable on the shared Photo CD
// samples, with ImageMagick's reading as the colour reference.
#include <filesystem>
#include <fstream>
#include <random>

#include <gtest/gtest.h>

#include "converter/testing/pcd_testing.h"

namespace pcd::testing {
namespace {

const std::string kConverter = MARLENTA_PCD_EXE;

std::string Sample(const std::string& name) {
  return std::string(MARLENTA_SAMPLES) + "/" + name;
}

struct Outcome {
  int status = -1;
  std::optional<RgbPicture> picture;
};

// Runs the converter into an empty folder and reads what it left there.
Outcome Convert(const std::string& input, int level) {
  ScratchFolder out;
  Outcome o;
  o.status = RunProgram(ConverterArgs(kConverter, input, level, out.Path("out.tga")));
  o.picture = ReadTga(out.Path("out.tga"));
  const std::vector<std::string> left = out.Entries();
  if (!(o.status == 0 && left == std::vector<std::string>{"out.tga"}) && !left.empty())
    ADD_FAILURE() << "left " << left.front() << " behind after exit " << o.status;
  return o;
}

TEST(MarlentaPcd, WritesEveryLevelTheFileHoldsAndNoOther) {
  // Stored sizes of levels 0 to 5; level 6 lives outside an image pac.
  const int widths[] = {192, 192, 384, 768, 1536, 3072};
  const int heights[] = {128, 128, 256, 512, 1024, 2048};

  struct Case {
    const char* file;
    int top_level;
    bool upright_portrait;  // its rotation attribute turns it a quarter
  };

  const Case cases[] = {
      {"chart-16base.pcd", 5, false},   {"chart-16base-chroma.pcd", 5, false},
      {"portrait-16base.pcd", 5, true}, {"plasma-4base.pcd", 4, false},
      {"hopper.pcd", 3, false},         {"truncated-16base.pcd", 4, false},
  };
  for (const Case& c : cases) {
    for (int level = 0; level <= 6; ++level) {
      SCOPED_TRACE(std::string(c.file) + "[" + std::to_string(level) + "]");
      const Outcome o = Convert(Sample(c.file), level);
      if (level > c.top_level) {
        EXPECT_EQ(1, o.status);
        EXPECT_FALSE(o.picture);
        continue;
      }
      EXPECT_EQ(0, o.status);
      ASSERT_TRUE(o.picture);
      EXPECT_EQ(c.upright_portrait ? heights[level] : widths[level], o.picture->width);
      EXPECT_EQ(c.upright_portrait ? widths[level] : heights[level], o.picture->height);
    }
  }
}

TEST(MarlentaPcd, LooksLikeImageMagickWhereImageMagickReadsRight) {
  struct Case {
    const char* file;
    int level;
    double min_psnr;
  };

  const Case cases[] = {
      {"chart-16base.pcd", 0, 40},
      {"chart-16base.pcd", 3, 40},
      {"chart-16base.pcd", 4, 40},
      {"chart-16base.pcd", 5, 40},
      {"portrait-16base.pcd", 2, 40},
      {"portrait-16base.pcd", 5, 40},
      // libavcodec clips much of this file's chroma; without putting it back
      // the picture is only 44 dB from ImageMagick's.
      {"hopper.pcd", 3, 60},
  };
  ScratchFolder scratch;
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.file) + "[" + std::to_string(c.level) + "]");
    const Outcome o = Convert(Sample(c.file), c.level);
    const std::optional<RgbPicture> reference =
        ImageMagickReading(Sample(c.file), c.level, scratch);
    ASSERT_TRUE(o.picture);
    ASSERT_TRUE(reference);
    EXPECT_GE(Psnr(*o.picture, *reference), c.min_psnr);
  }
}

TEST(MarlentaPcd, DecodesTheChromaResidualsOfRealDiscs) {
  // ImageMagick fails on this file at 16Base; the same chart stored with luma
  // residuals only is what it reads right, so that reading is the reference.
  ScratchFolder scratch;
  const Outcome o = Convert(Sample("chart-16base-chroma.pcd"), 5);
  EXPECT_EQ(0, o.status);
  const auto reference = ImageMagickReading(Sample("chart-16base.pcd"), 5, scratch);
  ASSERT_TRUE(o.picture);
  ASSERT_TRUE(reference);
  EXPECT_GE(Psnr(*o.picture, *reference), 40);
}

RgbPicture HalfTurned(RgbPicture pic) {
  for (std::size_t i = 0, j = pic.rgb.size() - 3; i < j; i += 3, j -= 3)
    std::swap_ranges(pic.rgb.begin() + i, pic.rgb.begin() + i + 3, pic.rgb.begin() + j);
  return pic;
}

TEST(MarlentaPcd, TurnsThePictureAsItsRotationAttributeSays) {
  ScratchFolder scratch;
  const std::string chart = Sample("chart-16base.pcd");
  const auto stored = ImageMagickReading(chart, 3, scratch);
  ASSERT_TRUE(stored);

  // 3: a quarter clockwise, as ImageMagick turns it.
  const std::string clockwise = scratch.Path("clockwise.pcd");
  ASSERT_TRUE(CopyWithPatch(chart, clockwise, 0x0E02, {0x0B}));
  const auto turned = ImageMagickReading(clockwise, 3, scratch);
  const Outcome o3 = Convert(clockwise, 3);
  ASSERT_TRUE(turned && o3.picture);
  EXPECT_EQ(512, o3.picture->width);
  EXPECT_GE(Psnr(*o3.picture, *turned), 40);

  // 2: half a turn. ImageMagick leaves such a picture upside down.
  const std::string upside_down = scratch.Path("upside-down.pcd");
  ASSERT_TRUE(CopyWithPatch(chart, upside_down, 0x0E02, {0x0A}));
  const Outcome o2 = Convert(upside_down, 3);
  ASSERT_TRUE(o2.picture);
  EXPECT_GE(Psnr(*o2.picture, HalfTurned(*stored)), 40);
}

std::vector<std::uint8_t> RandomBytes(std::size_t n, unsigned seed) {
  std::mt19937 rng(seed);
  std::vector<std::uint8_t> bytes(n);
  for (std::uint8_t& b : bytes)
    b = static_cast<std::uint8_t>(rng());
  return bytes;
}

void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

TEST(MarlentaPcd, RefusesBadInputCleanly) {
  ScratchFolder scratch;
  const std::string chart = Sample("chart-16base.pcd");
  WriteFile(scratch.Path("empty.pcd"), {});
  ASSERT_TRUE(CopyWithPatch(chart, scratch.Path("short.pcd"), 0, {}));
  std::filesystem::resize_file(scratch.Path("short.pcd"), 5000);
  WriteFile(scratch.Path("text.pcd"), std::vector<std::uint8_t>(900000, 'A'));
  WriteFile(scratch.Path("random.pcd"), RandomBytes(2'000'000, 1));
  // Beyond any image pac: refused before it is read.
  WriteFile(scratch.Path("huge.pcd"), {});
  std::filesystem::resize_file(scratch.Path("huge.pcd"), 200u << 20);
  // The 4Base Huffman tables declare 256 codes of 256 bits each.
  ASSERT_TRUE(CopyWithPatch(chart, scratch.Path("bad-table.pcd"), 0xC2000,
                            std::vector<std::uint8_t>(4096, 0xFF)));

  struct Case {
    std::string input;
    int level;
  };

  const Case cases[] = {
      {scratch.Path("empty.pcd"), 3},
      {scratch.Path("short.pcd"), 0},
      {scratch.Path("text.pcd"), 3},
      {scratch.Path("random.pcd"), 3},
      {scratch.Path("huge.pcd"), 3},
      {scratch.Path("bad-table.pcd"), 4},
      {scratch.Path("bad-table.pcd"), 5},
      {scratch.Path("missing.pcd"), 3},
      {scratch.path(), 3},  // a folder
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.input + "[" + std::to_string(c.level) + "]");
    const Outcome o = Convert(c.input, c.level);
    EXPECT_EQ(1, o.status);
    EXPECT_FALSE(o.picture);
  }
}

TEST(MarlentaPcd, SurvivesDamagedDataWithinAnImagePac) {
  // Random bytes behind a real header, and a chart whose 4Base and 16Base
  // data are overwritten: each level decodes or is refused, never crashes,
  // and what is written is whole.
  ScratchFolder scratch;
  const std::string chart = Sample("chart-16base.pcd");
  std::vector<std::uint8_t> random = RandomBytes(2'200'000, 2);
  std::copy_n(reinterpret_cast<const std::uint8_t*>("PCD_IPI"), 7, random.begin() + 0x800);
  random[0x0E02] = 0x08;
  WriteFile(scratch.Path("random-ipi.pcd"), random);
  ASSERT_TRUE(
      CopyWithPatch(chart, scratch.Path("damaged.pcd"), 0xC2800, RandomBytes(1'200'000, 3)));
  for (const char* name : {"random-ipi.pcd", "damaged.pcd"}) {
    for (int level = 2; level <= 5; ++level) {
      SCOPED_TRACE(std::string(name) + "[" + std::to_string(level) + "]");
      const Outcome o = Convert(scratch.Path(name), level);
      EXPECT_TRUE(o.status == 0 || o.status == 1) << o.status;
      EXPECT_EQ(o.status == 0, o.picture.has_value());
    }
  }
}

TEST(MarlentaPcd, LeavesNothingWhereItCannotWrite) {
  ScratchFolder scratch;
  std::ofstream(scratch.Path("file")) << "x";
  const std::string outputs[] = {scratch.Path("missing/out.tga"), scratch.Path("file/out.tga"),
                                 scratch.path()};
  for (const std::string& output : outputs) {
    SCOPED_TRACE(output);
    EXPECT_EQ(1, RunProgram(ConverterArgs(kConverter, Sample("hopper.pcd"), 3, output)));
    EXPECT_EQ(std::vector<std::string>{"file"}, scratch.Entries());
  }
  EXPECT_EQ(2, RunProgram({kConverter, "pcd:" + Sample("hopper.pcd") + "[3]"}));
}

}  // namespace
}  // namespace pcd::testing
