#include "services/job_reset.h"

#include <gtest/gtest.h>

TEST(ResetJobState, StartsANewEmptyJob) {
  JobState job;
  JobList list;
  list.Add("/in/a.pcd", "");
  job.input_path = "/in/";
  job.output_folder = "/out/";
  job.output_extension = "tiff";
  job.save_flags = 0x800;
  job.automatic_depth = true;
  job.file_counter = 17;
  job.run_mode = RunMode::kDebug;
  ResetJobState(job, list);
  EXPECT_TRUE(list.empty());
  EXPECT_EQ("", job.input_path);
  EXPECT_EQ("", job.output_folder);
  EXPECT_EQ("", job.output_extension);
  EXPECT_EQ(0, job.save_flags);
  EXPECT_FALSE(job.automatic_depth);
  EXPECT_EQ(1, job.file_counter);
  EXPECT_EQ(RunMode::kNormal, job.run_mode);
  EXPECT_EQ('/', job.program_folder.back());
  EXPECT_GE(job.random_number, 1);
  EXPECT_LE(job.random_number, 99999);
}
