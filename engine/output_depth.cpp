#include "engine/output_depth.h"

#include "engine/job.h"

std::int32_t SaveFlags(std::string_view, const Settings&) { return 0; }

Picture ConvertToOutputDepth(Picture pic, JobState& job) {
  if (pic && job.automatic_depth)
    job.output_bit_depth = static_cast<int>(FreeImage_GetBPP(pic.get()));
  return pic;
}
