#include "converter/testing/pcd_testing.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

extern char** environ;

namespace pcd::testing {

namespace fs = std::filesystem;

ScratchFolder::ScratchFolder() {
  const char* tmp = std::getenv("TMPDIR");
  std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/marlenta-pcd-test.XXXXXX";
  if (mkdtemp(pattern.data()))
    path_ = pattern;
}

ScratchFolder::~ScratchFolder() {
  std::error_code ec;
  if (!path_.empty())
    fs::remove_all(path_, ec);
}

std::vector<std::string> ScratchFolder::Entries() const {
  std::vector<std::string> names;
  for (const fs::directory_entry& e : fs::directory_iterator(path_))
    names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

int RunProgram(const std::vector<std::string>& argv) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  std::vector<char*> args;
  for (const std::string& a : argv)
    args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  pid_t pid = 0;
  const int spawned = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0)
    return 127;
  int status = 0;
  while (waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR)
      return 127;
  }
  return WIFSIGNALED(status) ? -WTERMSIG(status) : WEXITSTATUS(status);
}

std::vector<std::string> ConverterArgs(const std::string& converter, const std::string& input,
                                       int level, const std::string& output) {
  return {converter,
          "-quiet",
          "-colorspace",
          "sRGB",
          "-orient",
          "TopLeft",
          "pcd:" + input + "[" + std::to_string(level) + "]",
          "tga:" + output};
}

namespace {

std::optional<std::vector<std::uint8_t>> ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in)
    return std::nullopt;
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

std::optional<RgbPicture> ReadTga(const std::string& path) {
  const auto bytes = ReadBytes(path);
  if (!bytes || bytes->size() < 18)
    return std::nullopt;
  const std::uint8_t* h = bytes->data();
  if (h[1] != 0 || h[2] != 2 || h[16] != 24)
    return std::nullopt;
  RgbPicture pic;
  pic.width = h[12] | h[13] << 8;
  pic.height = h[14] | h[15] << 8;
  const bool top_first = (h[17] & 0x20) != 0;
  const std::size_t row = 3 * static_cast<std::size_t>(pic.width);
  const std::size_t start = 18 + h[0];
  if (bytes->size() != start + row * pic.height)
    return std::nullopt;
  pic.rgb.resize(row * pic.height);
  for (int y = 0; y < pic.height; ++y) {
    const std::uint8_t* src = bytes->data() + start + row * (top_first ? y : pic.height - 1 - y);
    std::uint8_t* dst = pic.rgb.data() + row * y;
    for (int x = 0; x < pic.width; ++x) {
      dst[3 * x] = src[3 * x + 2];
      dst[3 * x + 1] = src[3 * x + 1];
      dst[3 * x + 2] = src[3 * x];
    }
  }
  return pic;
}

std::optional<RgbPicture> ReadPpm(const std::string& path) {
  const auto bytes = ReadBytes(path);
  if (!bytes)
    return std::nullopt;
  std::string text(bytes->begin(), bytes->begin() + std::min<std::size_t>(bytes->size(), 64));
  std::istringstream head(text);
  std::string magic;
  int max = 0;
  RgbPicture pic;
  if (!(head >> magic >> pic.width >> pic.height >> max) || magic != "P6" || max != 255)
    return std::nullopt;
  const std::size_t start = static_cast<std::size_t>(head.tellg()) + 1;
  const std::size_t size = 3 * static_cast<std::size_t>(pic.width) * pic.height;
  if (bytes->size() != start + size)
    return std::nullopt;
  pic.rgb.assign(bytes->begin() + start, bytes->end());
  return pic;
}

std::optional<RgbPicture> ImageMagickReading(const std::string& pcd_file, int level,
                                             const ScratchFolder& scratch) {
  const std::string out = scratch.Path("imagemagick-" + std::to_string(level) + ".ppm");
  std::vector<std::string> args = ConverterArgs("/usr/bin/convert", pcd_file, level, out);
  args.back() = "ppm:" + out;
  if (RunProgram(args) != 0)
    return std::nullopt;
  auto pic = ReadPpm(out);
  std::remove(out.c_str());
  return pic;
}

double Psnr(const RgbPicture& a, const RgbPicture& b) {
  if (a.width != b.width || a.height != b.height || a.rgb.size() != b.rgb.size())
    return -1;
  double sum = 0;
  for (std::size_t i = 0; i < a.rgb.size(); ++i) {
    const double d = static_cast<double>(a.rgb[i]) - b.rgb[i];
    sum += d * d;
  }
  if (sum == 0)
    return 999;
  return 10 * std::log10(255.0 * 255.0 * a.rgb.size() / sum);
}

bool CopyWithPatch(const std::string& from, const std::string& to, std::size_t offset,
                   const std::vector<std::uint8_t>& patch) {
  auto bytes = ReadBytes(from);
  if (!bytes)
    return false;
  if (bytes->size() < offset + patch.size())
    bytes->resize(offset + patch.size());
  std::copy(patch.begin(), patch.end(), bytes->begin() + offset);
  std::ofstream out(to, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes->data()), bytes->size());
  return static_cast<bool>(out);
}

}  // namespace pcd::testing
