#pragma once

#include "engine/job.h"

/// Starts a new, empty job: every path and extension empty, the output
/// fields zero, a fresh random number, the file counter back at 1, the
/// program folder looked up again and the list emptied. Settings are not
/// touched, so the counters restart only here (and %n% numbers from 00001).
void ResetJobState(JobState& job, JobList& list);
