#include "engine/output_depth.h"

#include <gtest/gtest.h>

#include "engine/job.h"
#include "settings/settings_table.h"
#include "tests/helpers/scratch.h"

namespace {

TEST(SaveFlags, FollowEachFormatsSettings) {
  struct Case {
    const char* what;
    const char* extension;
    void (*change)(Settings&);
    std::int32_t flags;
  };

  const Case cases[] = {
      {"tiff defaults", "tiff", [](Settings&) {}, 0x0800},
      {"tiff lzw cmyk", "tiff",
       [](Settings& s) {
         s.tiff_compression = 6;
         s.tiff_color_mode = 1;
       },
       0x4001},
      {"tiff logluv lab", "tiff",
       [](Settings& s) {
         s.tiff_compression = 8;
         s.tiff_color_mode = 2;
       },
       0x10000},
      {"tiff unknown code", "tiff", [](Settings& s) { s.tiff_compression = 42; }, 0},
      {"bmp rle", "bmp", [](Settings& s) { s.bmp_compression = 1; }, 0x0001},
      {"jpg quality chroma save-as", "jpg",
       [](Settings& s) {
         s.jpg_quality = 80;
         s.jpg_chroma = 2;
         s.jpg_save_as = 3;
       },
       80 | 0x4000 | 0x2000},
      {"jxr", "jxr", [](Settings&) {}, 100},
      {"png zlib9 interlaced", "png",
       [](Settings& s) {
         s.png_compression = 3;
         s.png_interlaced = 1;
       },
       9 | 0x0200},
      {"webp lossless", "webp", [](Settings& s) { s.webp_quality = 100; }, 0x0100},
      {"webp 75", "webp", [](Settings& s) { s.webp_quality = 75; }, 75},
      {"gif", "gif", [](Settings&) {}, 0},
  };
  for (const Case& c : cases) {
    Settings s = DefaultSettings();
    c.change(s);
    EXPECT_EQ(c.flags, SaveFlags(c.extension, s)) << c.what;
  }
}

TEST(PrepareOutput, TakesTheFormatsDepthAndFlags) {
  Settings s = DefaultSettings();
  JobState job;
  job.output_extension = "tiff";
  PrepareOutput(job, s);
  EXPECT_EQ(FIF_TIFF, job.output_format_id);
  EXPECT_EQ(0, job.output_bit_depth);
  EXPECT_TRUE(job.automatic_depth);
  EXPECT_EQ(0x0800, job.save_flags);
  s.tiff_bpp = 8;
  PrepareOutput(job, s);
  EXPECT_EQ(8, job.output_bit_depth);
  EXPECT_FALSE(job.automatic_depth);
}

// A picture with more colours than a palette holds.
Picture Colourful() {
  Picture pic = Adopt(FreeImage_Allocate(64, 64, 24));
  for (int y = 0; y < 64; ++y) {
    BYTE* row = FreeImage_GetScanLine(pic.get(), y);
    for (int x = 0; x < 64; ++x) {
      row[x * 3 + FI_RGBA_RED] = static_cast<BYTE>(x * 4);
      row[x * 3 + FI_RGBA_GREEN] = static_cast<BYTE>(y * 4);
      row[x * 3 + FI_RGBA_BLUE] = static_cast<BYTE>((x + y) * 2);
    }
  }
  return pic;
}

JobState Job(int depth) {
  JobState job;
  job.output_extension = "tiff";
  job.output_bit_depth = depth;
  job.automatic_depth = depth == 0;
  job.source_bit_depth = 24;
  return job;
}

TEST(ConvertToOutputDepth, ConvertsToEachAllowedDepth) {
  for (int depth : {1, 4, 8, 24, 32, 48, 96}) {
    JobState job = Job(depth);
    Picture pic = ConvertToOutputDepth(Colourful(), job);
    ASSERT_TRUE(pic) << depth;
    EXPECT_EQ(static_cast<unsigned>(depth), FreeImage_GetBPP(pic.get()));
  }
  JobState job = Job(16);
  EXPECT_EQ(16u, FreeImage_GetBPP(ConvertToOutputDepth(Colourful(), job).get()));
  job = Job(7);
  EXPECT_FALSE(ConvertToOutputDepth(Colourful(), job));
  EXPECT_FALSE(ConvertToOutputDepth(Picture(), job));
}

TEST(ConvertToOutputDepth, EightBitsMeansAPaletteUnlessAlreadyGrey) {
  JobState job = Job(8);
  Picture pic = ConvertToOutputDepth(Colourful(), job);
  EXPECT_EQ(FIC_PALETTE, FreeImage_GetColorType(pic.get()));

  Picture grey = Adopt(FreeImage_ConvertToGreyscale(Colourful().get()));
  FIBITMAP* before = grey.get();
  Picture kept = ConvertToOutputDepth(std::move(grey), job);
  EXPECT_EQ(before, kept.get());  // the very same picture, untouched
}

TEST(ConvertToOutputDepth, AutomaticTakesTheNearestAllowedDepthOfTheSource) {
  struct Case {
    int source;
    int written;
  };

  for (const Case& c : {Case{16, 24}, Case{24, 24}, Case{64, 96}, Case{128, 96}, Case{8, 8}}) {
    JobState job = Job(0);
    job.source_bit_depth = c.source;
    ConvertToOutputDepth(Colourful(), job);
    EXPECT_EQ(c.written, job.output_bit_depth) << c.source;
    EXPECT_TRUE(job.automatic_depth);
  }
  // A greyscale edit is expanded back to the source's 24 bits.
  JobState job = Job(0);
  Picture grey = Adopt(FreeImage_ConvertToGreyscale(Colourful().get()));
  EXPECT_EQ(24u, FreeImage_GetBPP(ConvertToOutputDepth(std::move(grey), job).get()));
}

}  // namespace
