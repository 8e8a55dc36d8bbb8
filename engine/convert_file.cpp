#include <filesystem>

#include "engine/colour.h"
#include "engine/frame.h"
#include "engine/geometry.h"
#include "engine/naming.h"
#include "engine/output_depth.h"
#include "engine/pipeline.h"
#include "engine/watermark.h"
#include "platform/files.h"

namespace {

PlaceholderValues PlaceholdersOf(const JobState& job, Clock& clock) {
  PlaceholderValues v;
  v.input_path = job.current_input_path;
  v.output_extension = job.output_extension;
  v.bit_depth = job.output_bit_depth;
  v.width = job.width;
  v.height = job.height;
  v.frame = job.frame;
  v.random_number = job.random_number;
  v.file_counter = job.file_counter;
  v.now = [&clock] { return clock.Now(); };
  return v;
}

// The edits in their fixed order; frame and watermark draw inside the
// picture, so the size they see is the one resizing left.
Picture ApplyEdits(Picture pic, JobState& job, const Settings& s, EngineEnv& env) {
  pic = Rotate(std::move(pic), s);
  pic = Resize(std::move(pic), SizeOf(pic), s);
  const Size size = SizeOf(pic);
  pic = Flip(std::move(pic), s);
  pic = AdjustColours(std::move(pic), s);
  pic = Greyscale(std::move(pic), s);
  pic = Threshold(std::move(pic), s);
  pic = Dither(std::move(pic), s);
  pic = DrawFrame(std::move(pic), size, s);
  job.width = size.width;
  job.height = size.height;
  job.frame = 1;
  return DrawWatermark(std::move(pic), size, s, PlaceholdersOf(job, *env.clock), env.font);
}

bool NamesTheSameFile(const std::string& a, const std::string& b) {
  std::error_code ec;
  return std::filesystem::equivalent(a, b, ec) && !ec;
}

}  // namespace

bool ConvertOneFile(JobState& job, const Settings& s, EngineEnv& env) {
  const std::string input = job.current_input_path;
  const std::string temp_path = env.temp_folder + NameWithoutExtension(input) + ".tga";
  Picture pic = DecodePhotoCd(input, temp_path, env);
  if (!pic) {
    RemoveFile(temp_path);
    return false;
  }
  job.source_bit_depth = static_cast<int>(FreeImage_GetBPP(pic.get()));
  const Resolution resolution = ReadResolution(pic.get());

  pic = ApplyEdits(std::move(pic), job, s, env);
  pic = ConvertToOutputDepth(std::move(pic), job);
  if (pic) {
    FreeImage_SetDotsPerMeterX(pic.get(), resolution.x);
    FreeImage_SetDotsPerMeterY(pic.get(), resolution.y);
  }
  job.output_path = OutputPath(job.output_folder, job.current_subfolder, s.keep_subfolders != 0,
                               s.filename_mask, PlaceholdersOf(job, *env.clock));
  // A mask such as "%filename%.pcd" would name the input itself; saving
  // there would destroy the only copy of the picture.
  if (NamesTheSameFile(job.output_path, input))
    pic.reset();
  const bool saved = pic && FreeImage_Save(static_cast<FREE_IMAGE_FORMAT>(job.output_format_id),
                                           pic.get(), job.output_path.c_str(), job.save_flags);
  pic.reset();
  RemoveFile(temp_path);
  return saved;
}
