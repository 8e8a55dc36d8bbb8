// A stand-in for the external Photo CD converter. It takes the engine's
// argument vector (... pcd:<input>[n] tga:<output>) and, per level, does what
// the environment says:
//   FAKE_LEVELS      levels that write a picture, e.g. "4,3" (default: none)
//   FAKE_SIZE_<n>    "WxH" of the picture for level n (default 768x512)
//   FAKE_EXIT_<n>    exit status for level n (default 0 when it writes, else 1)
//   FAKE_EMPTY_<n>   "1": write an empty file instead of a picture
//   FAKE_LOG         file to which each call's level is appended
#include <FreeImage.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

std::string Env(const std::string& name, const char* fallback = "") {
  const char* v = std::getenv(name.c_str());
  return v ? v : fallback;
}

bool Listed(const std::string& list, int level) {
  std::size_t start = 0;
  while (start <= list.size()) {
    std::size_t end = list.find(',', start);
    if (end == std::string::npos)
      end = list.size();
    if (list.substr(start, end - start) == std::to_string(level))
      return true;
    start = end + 1;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  std::string input, output;
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], "pcd:", 4) == 0)
      input = argv[i] + 4;
    else if (std::strncmp(argv[i], "tga:", 4) == 0)
      output = argv[i] + 4;
  }
  const std::size_t open = input.rfind('[');
  if (open == std::string::npos || output.empty())
    return 2;
  const int level = std::atoi(input.c_str() + open + 1);
  if (const std::string log = Env("FAKE_LOG"); !log.empty()) {
    if (FILE* f = std::fopen(log.c_str(), "a")) {
      std::fprintf(f, "%d\n", level);
      std::fclose(f);
    }
  }
  const std::string n = std::to_string(level);
  const bool writes = Listed(Env("FAKE_LEVELS"), level);
  const int status = std::atoi(Env("FAKE_EXIT_" + n, writes ? "0" : "1").c_str());
  if (!writes)
    return status;
  if (Env("FAKE_EMPTY_" + n) == "1") {
    if (FILE* f = std::fopen(output.c_str(), "wb"))
      std::fclose(f);
    return status;
  }
  unsigned w = 768, h = 512;
  std::sscanf(Env("FAKE_SIZE_" + n, "768x512").c_str(), "%ux%u", &w, &h);
  FIBITMAP* dib = FreeImage_Allocate(static_cast<int>(w), static_cast<int>(h), 24);
  if (!dib)
    return 3;
  // Each level paints its own grey, so a test can tell which one was loaded.
  const BYTE grey = static_cast<BYTE>(level * 30);
  for (unsigned y = 0; y < h; ++y) {
    BYTE* row = FreeImage_GetScanLine(dib, static_cast<int>(y));
    std::memset(row, grey, w * 3);
  }
  const bool saved = FreeImage_Save(FIF_TARGA, dib, output.c_str(), 0);
  FreeImage_Unload(dib);
  return saved ? status : 3;
}
