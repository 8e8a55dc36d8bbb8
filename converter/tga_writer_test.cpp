#include "converter/tga_writer.h"

#include <filesystem>
#include <fstream>

#include <FreeImage.h>
#include <gtest/gtest.h>

#include "converter/testing/pcd_testing.h"

namespace pcd {
namespace {

using testing::ScratchFolder;

// 2x2, every channel of every pixel distinct, as blue, green, red, top row first.
BgrImage TwoByTwo() {
  return {{2, 2}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}};
}

TEST(WriteTga, FreeImageLoadsItTheRightWayUp) {
  ScratchFolder scratch;
  std::string err;
  ASSERT_TRUE(WriteTga(scratch.Path("a.tga"), TwoByTwo(), &err)) << err;
  EXPECT_EQ(std::vector<std::string>{"a.tga"}, scratch.Entries());  // no temporary left

  // The engine loads the TGA with FreeImage, whose scan line 0 is the bottom row.
  FIBITMAP* dib = FreeImage_Load(FIF_TARGA, scratch.Path("a.tga").c_str(), 0);
  ASSERT_TRUE(dib);
  EXPECT_EQ(2u, FreeImage_GetWidth(dib));
  EXPECT_EQ(24u, FreeImage_GetBPP(dib));
  RGBQUAD top_left{}, bottom_right{};
  FreeImage_GetPixelColor(dib, 0, 1, &top_left);
  FreeImage_GetPixelColor(dib, 1, 0, &bottom_right);
  FreeImage_Unload(dib);
  EXPECT_EQ(1, top_left.rgbBlue);
  EXPECT_EQ(3, top_left.rgbRed);
  EXPECT_EQ(10, bottom_right.rgbBlue);
  EXPECT_EQ(12, bottom_right.rgbRed);
}

TEST(WriteTga, ReplacesAnExistingFileWhole) {
  ScratchFolder scratch;
  const std::string path = scratch.Path("a.tga");
  std::ofstream(path) << std::string(100000, 'x');
  std::string err;
  ASSERT_TRUE(WriteTga(path, TwoByTwo(), &err)) << err;
  const auto pic = testing::ReadTga(path);
  ASSERT_TRUE(pic);
  EXPECT_EQ((std::vector<std::uint8_t>{3, 2, 1, 6, 5, 4, 9, 8, 7, 12, 11, 10}), pic->rgb);
}

TEST(WriteTga, FailsCleanlyWhereItCannotWrite) {
  ScratchFolder scratch;
  std::ofstream(scratch.Path("file")) << "x";
  std::filesystem::create_directory(scratch.Path("folder"));
  const std::string cases[] = {
      scratch.Path("missing/a.tga"),  // no such folder
      scratch.Path("file/a.tga"),     // a file where a folder should be
      scratch.Path("folder"),         // the output names a folder
  };
  for (const std::string& path : cases) {
    SCOPED_TRACE(path);
    std::string err;
    EXPECT_FALSE(WriteTga(path, TwoByTwo(), &err));
    EXPECT_FALSE(err.empty());
    EXPECT_EQ((std::vector<std::string>{"file", "folder"}), scratch.Entries());
    EXPECT_TRUE(std::filesystem::is_empty(scratch.Path("folder")));
  }
}

}  // namespace
}  // namespace pcd
