// libFuzzer harness for the decoder entry, DecodePhotoCd. Whole random files
// rarely get past the header check, so most inputs instead patch a real
// image pac (its Huffman tables, row headers and residual streams are where
// a decoder goes wrong) and may cut it short. Input layout:
//   byte 0      level = byte % 7; top bit set: bytes 1... are the whole file
//   bytes 1-3   offset of the patch in the sample (big-endian, wrapped)
//   bytes 4-6   length to cut the sample to (0: keep it whole)
//   bytes 7...  the patch
// The sample is $MARLENTA_FUZZ_SAMPLE, by default the chroma-residual chart.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "converter/decode.h"

namespace {

const std::vector<std::uint8_t>& Sample() {
  static const std::vector<std::uint8_t> sample = [] {
    const char* path = std::getenv("MARLENTA_FUZZ_SAMPLE");
    std::ifstream in(path ? path : MARLENTA_FUZZ_DEFAULT_SAMPLE, std::ios::binary);
    std::vector<std::uint8_t> bytes(std::istreambuf_iterator<char>(in), {});
    if (bytes.empty())
      std::abort();  // a harness without its sample would test nothing
    return bytes;
  }();
  return sample;
}

std::size_t Read24(const std::uint8_t* p) {
  return std::size_t{p[0]} << 16 | p[1] << 8 | p[2];
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1)
    return 0;
  const int level = data[0] % 7;
  std::vector<std::uint8_t> file;
  if (data[0] & 0x80) {
    file.assign(data + 1, data + size);
  } else {
    if (size < 7)
      return 0;
    file = Sample();
    const std::size_t offset = Read24(data + 1) % file.size();
    const std::size_t cut = Read24(data + 4);
    const std::size_t patch = std::min(size - 7, file.size() - offset);
    std::copy_n(data + 7, patch, file.begin() + static_cast<std::ptrdiff_t>(offset));
    if (cut != 0 && cut < file.size())
      file.resize(cut);
  }
  std::string err;
  const auto image = pcd::DecodePhotoCd(file, level, &err);
  // A decoded picture is always whole: exactly its size in pixels.
  if (image
      && image->pixels.size()
             != 3 * static_cast<std::size_t>(image->size.width) * image->size.height)
    std::abort();
  return 0;
}
