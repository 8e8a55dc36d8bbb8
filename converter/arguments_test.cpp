#include "converter/arguments.h"

#include <gtest/gtest.h>

namespace pcd {
namespace {

using Args = std::vector<std::string>;

TEST(ParseArguments, ReadsTheEngineVectorAndImageMagickVariants) {
  struct Case {
    const char* what;
    Args args;
    std::string input;
    int level;
    std::string output;
  };

  const Case cases[] = {
      {"the engine's vector",
       {"-quiet", "-colorspace", "sRGB", "-orient", "TopLeft", "pcd:/in/IMG0001.PCD[5]",
        "tga:/tmp/x/IMG0001.tga"},
       "/in/IMG0001.PCD",
       5,
       "/tmp/x/IMG0001.tga"},
      // A value such as "sRGB" must not be taken for the input.
      {"unknown flags and valued options skipped",
       {"-verbose", "+antialias", "-define", "pcd:x=y", "-limit", "memory", "1GiB", "pcd:a.pcd[0]",
        "-depth", "8", "tga:b.tga"},
       "a.pcd",
       0,
       "b.tga"},
      {"no [n] means Base, as ImageMagick reads it", {"in.pcd", "out.TGA"}, "in.pcd", 3, "out.TGA"},
      {"brackets inside the name", {"pcd:/in/a[1]/b.pcd[4]", "tga:o"}, "/in/a[1]/b.pcd", 4, "o"},
      {"level above 6 is kept for the decoder to refuse",
       {"PCD:x.pcd[12]", "TGA:y"},
       "x.pcd",
       12,
       "y"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::string err;
    const std::optional<Request> r = ParseArguments(c.args, &err);
    ASSERT_TRUE(r) << err;
    EXPECT_EQ(c.input, r->input);
    EXPECT_EQ(c.level, r->level);
    EXPECT_EQ(c.output, r->output);
  }
}

TEST(ParseArguments, RefusesWhatItCannotHonour) {
  struct Case {
    const char* what;
    Args args;
  };

  const Case cases[] = {
      {"nothing", {}},
      {"no output", {"-quiet", "pcd:a.pcd[3]"}},
      {"three operands", {"pcd:a.pcd[3]", "tga:b.tga", "tga:c.tga"}},
      {"an option's value missing", {"pcd:a.pcd[3]", "tga:b.tga", "-colorspace"}},
      {"another output format", {"pcd:a.pcd[3]", "png:b.png"}},
      {"not a level number", {"pcd:a.pcd[x]", "tga:b.tga"}},
      {"a range", {"pcd:a.pcd[3-5]", "tga:b.tga"}},
      {"empty output path", {"pcd:a.pcd[3]", "tga:"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::string err;
    EXPECT_FALSE(ParseArguments(c.args, &err));
    EXPECT_FALSE(err.empty());
  }
}

}  // namespace
}  // namespace pcd
