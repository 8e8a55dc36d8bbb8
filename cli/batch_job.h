#pragma once

#include "cli/console.h"
#include "engine/job.h"
#include "engine/pipeline.h"
#include "settings/settings.h"

/// Runs a console job: checks every setting in the fixed order (the first
/// failure prints its "Error: " line and ends the job), resolves the input
/// and output folders against the current folder, fills the job list, runs
/// the worker and prints the status and summary lines (unless `quiet`; the
/// error and "Conversion stopped" lines are printed always).
///
/// `env` supplies the converter, the process runner and the clock; the job
/// makes its own private temporary folder. Returns the exit status: 0 when
/// every imported file was converted, 1 after an "Error: " line, 2 when no
/// file was imported or fewer were converted than imported.
int RunConsoleJob(const Settings& s, JobState& job, JobList& list, Console& console, bool quiet,
                  EngineEnv& env);
