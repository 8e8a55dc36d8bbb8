#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "engine/pipeline.h"
#include "platform/files.h"

namespace {

constexpr int kPauseMs = 30;

std::string Absolute(const std::string& path) {
  std::error_code ignored;
  const std::filesystem::path absolute = std::filesystem::absolute(path, ignored);
  return absolute.empty() ? path : absolute.string();
}

// A run that fails counts as no file, even when it left one behind: a
// half-written picture must never pass for a decoded level.
void RunConverter(const std::string& input, int level, const std::string& temp_path,
                  EngineEnv& env) {
  const ProcessResult result =
      env.runner->Run(ConverterArguments(env.converter, input, level, temp_path));
  if (!result.Succeeded())
    RemoveFile(temp_path);
}

// FreeImage's own Photo CD loader checks nothing: handed any file it reads
// whatever lies at the Base picture's offset and returns a picture, so junk
// or a cut-off file would come out as a "converted" TIFF. Only a file that
// carries the image pac signature and is long enough to hold the Base
// picture goes to it.
bool HoldsBasePicture(const std::string& path) {
  constexpr std::int64_t kSignatureAt = 0x800;
  constexpr std::int64_t kBaseEnd = 0x30000 + 768 * 512 * 3 / 2;
  constexpr char kSignature[] = "PCD_IPI";
  if (FileSize(path) < kBaseEnd)
    return false;
  std::ifstream file(path, std::ios::binary);
  char bytes[sizeof kSignature - 1] = {};
  file.seekg(kSignatureAt);
  return file.read(bytes, sizeof bytes) && std::memcmp(bytes, kSignature, sizeof bytes) == 0;
}

Picture Load(const std::string& input, const std::string& temp_path) {
  if (FileSize(temp_path) > 0)
    return Adopt(FreeImage_Load(FIF_TARGA, temp_path.c_str(), 0));
  if (!HoldsBasePicture(input))
    return Picture();
  return Adopt(FreeImage_Load(FIF_PCD, input.c_str(), 0));
}

// Panoramas come out of the level loop at a level that does not match their
// shorter side; it names the level that holds the full picture.
int PanoramaLevel(Size size) {
  const int longer = std::max(size.width, size.height);
  const int shorter = std::min(size.width, size.height);
  if (shorter <= 0)
    return -1;
  const float ratio = static_cast<float>(longer) / static_cast<float>(shorter);
  if (!(ratio > 1.6f))
    return -1;
  switch (shorter) {
    case 2048:
      return 5;
    case 1024:
      return 4;
    case 512:
      return 3;
    default:
      return -1;
  }
}

}  // namespace

std::vector<std::string> ConverterArguments(const std::string& converter, const std::string& input,
                                            int level, const std::string& tga) {
  return {converter,
          "-quiet",
          "-colorspace",
          "sRGB",
          "-orient",
          "TopLeft",
          "pcd:" + Absolute(input) + "[" + std::to_string(level) + "]",
          "tga:" + tga};
}

Picture DecodePhotoCd(const std::string& input, const std::string& temp_path, EngineEnv& env) {
  RemoveFile(temp_path);
  for (int level = 6; level >= 0; --level) {
    if (FileSize(temp_path) != -1)
      break;
    RunConverter(input, level, temp_path, env);
    // The pause lets a picture the converter has just written settle before
    // it is looked at; after a run that left nothing there is nothing to
    // wait for, and on a Base-only file those waits for levels 6, 5 and 4
    // took longer than the whole decode.
    if (FileSize(temp_path) != -1)
      env.clock->SleepMs(kPauseMs);
  }
  Picture pic = Load(input, temp_path);
  const Size size = SizeOf(pic);
  if (size.width == 0 || size.height == 0)
    return Picture();
  if (const int level = PanoramaLevel(size); level >= 0) {
    pic.reset();
    RemoveFile(temp_path);
    env.clock->SleepMs(kPauseMs);
    RunConverter(input, level, temp_path, env);
    pic = Load(input, temp_path);
  }
  return pic;
}

Resolution ReadResolution(FIBITMAP* dib) {
  Resolution r{FreeImage_GetDotsPerMeterX(dib), FreeImage_GetDotsPerMeterY(dib)};
  if (FreeImage_GetMetadataCount(FIMD_EXIF_MAIN, dib) == 0)
    return r;
  const auto exif = [&](const char* key, unsigned& value) {
    FITAG* tag = nullptr;
    if (!FreeImage_GetMetadata(FIMD_EXIF_MAIN, dib, key, &tag) || !tag)
      return;
    const void* data = FreeImage_GetTagValue(tag);
    if (!data || FreeImage_GetTagLength(tag) < 4)
      return;
    // Only the numerator counts, read as dots per inch.
    const DWORD dpi = *static_cast<const DWORD*>(data);
    value = static_cast<unsigned>(std::trunc(static_cast<double>(dpi) / 0.0254 + 0.5));
  };
  exif("XResolution", r.x);
  exif("YResolution", r.y);
  return r;
}
