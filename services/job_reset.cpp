#include "services/job_reset.h"

#include "platform/files.h"

void ResetJobState(JobState& job, JobList& list) {
  job = JobState{};
  job.program_folder = ProgramFolder();
  job.random_number = NewRandomNumber();
  job.file_counter = 1;
  list.Clear();
}
