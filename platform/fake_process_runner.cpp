#include "platform/fake_process_runner.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <FreeImage.h>

namespace {

int LevelOf(const std::string& pcd_arg) {
  const std::size_t open = pcd_arg.rfind('[');
  return open == std::string::npos ? -1 : std::atoi(pcd_arg.c_str() + open + 1);
}

}  // namespace

ProcessResult FakeProcessRunner::Run(const std::vector<std::string>& argv) {
  calls.push_back(argv);
  const int level = LevelOf(argv.size() >= 2 ? argv[argv.size() - 2] : "");
  const auto it = levels.find(level);
  if (it == levels.end())
    return {true, 1, 0};
  const Level& l = it->second;
  const std::string out = argv.back().substr(4);  // after "tga:"
  if (l.writes_file && l.empty_file) {
    if (FILE* f = std::fopen(out.c_str(), "wb"))
      std::fclose(f);
  } else if (l.writes_file) {
    FIBITMAP* dib = FreeImage_Allocate(l.width, l.height, 24);
    for (int y = 0; y < l.height; ++y)
      std::memset(FreeImage_GetScanLine(dib, y), level * 30, static_cast<std::size_t>(l.width) * 3);
    FreeImage_Save(FIF_TARGA, dib, out.c_str(), 0);
    FreeImage_Unload(dib);
  }
  return l.result;
}

std::vector<int> FakeProcessRunner::LevelsAsked() const {
  std::vector<int> asked;
  for (const auto& argv : calls)
    asked.push_back(LevelOf(argv.size() >= 2 ? argv[argv.size() - 2] : ""));
  return asked;
}
