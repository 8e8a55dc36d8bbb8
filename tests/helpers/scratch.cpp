#include "tests/helpers/scratch.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

int CountEntries(const std::string& folder) {
  std::error_code ec;
  int n = 0;
  for (auto it = std::filesystem::directory_iterator(folder, ec);
       !ec && it != std::filesystem::directory_iterator(); ++it)
    ++n;
  return n;
}

bool WriteFile(const std::string& path, const std::string& bytes) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f)
    return false;
  const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return std::fclose(f) == 0 && ok;
}

Picture GreyPicture(int width, int height, unsigned char grey) {
  Picture pic = Adopt(FreeImage_Allocate(width, height, 24));
  for (int y = 0; y < height; ++y)
    std::memset(FreeImage_GetScanLine(pic.get(), y), grey, static_cast<std::size_t>(width) * 3);
  return pic;
}

Bgr PixelAt(const Picture& pic, int x, int y) {
  const unsigned step = FreeImage_GetBPP(pic.get()) / 8;
  const BYTE* p = FreeImage_GetScanLine(pic.get(), y) + static_cast<std::size_t>(x) * step;
  return {p[FI_RGBA_BLUE], p[FI_RGBA_GREEN], p[FI_RGBA_RED]};
}

int RunShell(const std::string& command) {
  return std::system(command.c_str());
}
