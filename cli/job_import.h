#pragma once

#include <string>

#include "engine/job.h"

// Filling the job list: one file, a folder tree or a list file. The window's
// input list uses the same operations. Folders end in '/'.

/// The folder part of `path` below `folder` ("sub/deeper/"), or "" when the
/// file lies directly in it, outside it, or either text is empty.
std::string RelativeSubfolder(const std::string& path, const std::string& folder);

/// Adds `path` with its subfolder below `input_folder`, unless it is an empty
/// file, lacks an accepted input extension or is listed already. Only the
/// size is looked at, so a missing path passes: callers that need an
/// existing file check that themselves.
bool AddOneFile(const std::string& path, const std::string& input_folder, JobList& list);

/// Offers every file of `folder` and of all folders below it; returns how
/// many were added. A folder reached twice through links is scanned once.
int ScanFolder(const std::string& folder, const std::string& input_folder, JobList& list);

/// The folder import thread: like ScanFolder on the job's input folder, but
/// counts each top-level entry and stops when the running flag is cleared.
/// Adds the number of files added to the result count.
void ImportFolder(const std::string& folder, JobList& list, ProgressBlock& progress);

/// The list import thread: one path per line (UTF-8, optional byte-order
/// mark, LF or CR LF); blank lines and lines naming nothing are skipped,
/// folders are scanned, relative lines are taken from the current folder.
/// Adds the number of files added to the result count.
void ImportList(const std::string& list_file, JobList& list, ProgressBlock& progress);
