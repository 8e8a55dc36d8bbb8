#include "engine/signature.h"

#include <fstream>

#include <gtest/gtest.h>

#include "platform/files.h"

namespace {

using namespace std::string_literals;

class SignatureFile : public testing::Test {
 protected:
  std::string Write(const std::string& bytes) {
    const std::string path = folder_.path() + "file" + std::to_string(count_++);
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }

  ScopedTempDir folder_;
  int count_ = 0;
};

TEST_F(SignatureFile, NamesFilesByTheirFirstBytes) {
  struct Case {
    std::string_view expected;
    std::string bytes;
  };

  const Case cases[] = {
      {"PNG", "\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR\0\0\0\x01\0\0\0\x01\x08\x02"s},
      {"FLV", "FLV\x01\x05\0\0\0\x09"s},
      {"MP3/ID3V2", "ID3\x03\0\0\0\0\x0F\x76"s},
      {"TIFF (LE)", "II*\0\x08\0\0\0\x0E\0"s},
      {"CR2", "II*\0\x10\0\0\0CR\x02\0"s},  // starts like a TIFF; the later row wins
      {"TIFF (BE)", "MM\0*\0\0\0\x08"s},
      {"JPEG/EXIF", "\xFF\xD8\xFF\xE1\x2E\x0E"s + "Exif\0\0MM"s},
      {"JPEG/JFIF", "\xFF\xD8\xFF\xE0\0\x10JFIF\0\x01\x01\0"s},
      {"RAR (5.0+)", "Rar!\x1A\x07\x01\0\x33\x92"s},
      {"RAR (1.5+)", "Rar!\x1A\x07\0\xCF\x90\x73"s},
      {"WAV", "RIFF\x24\x08\0\0WAVEfmt "s},
      {"BMP", "BM"},
      {"ICO", "\0\0\x01\0\x01\0"s},
      {"[ERROR] UNRECOGNIZED", "B"},
      {"[ERROR] UNRECOGNIZED", "RIFF\x24\x08\0\0MIDIfmt "s},
      {"[ERROR] UNRECOGNIZED", "\xFF\xD8\xFF\xE1\x2E\x0E"s + "Exi"},  // second run cut short
      {"[ERROR] UNRECOGNIZED", std::string(2048, '\xFF')},            // a Photo CD image pack
      {"[ERROR] UNRECOGNIZED", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.expected);
    EXPECT_EQ(c.expected, SignatureName(Write(c.bytes)));
  }
}

TEST_F(SignatureFile, UnreadablePathsAreUnrecognized) {
  EXPECT_EQ(kUnrecognized, SignatureName(folder_.path() + "missing"));
  EXPECT_EQ(kUnrecognized, SignatureName(folder_.path()));
}

TEST(SignatureRows, TableHoldsEverySignature) {
  EXPECT_EQ(79u, SignatureRows().size());
}

}  // namespace
