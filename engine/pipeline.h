#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "engine/job.h"
#include "engine/picture.h"
#include "platform/clock.h"
#include "platform/process.h"
#include "settings/settings.h"

class WatermarkFont;

/// What the engine needs from outside the process; tests replace each part.
struct EngineEnv {
  ProcessRunner* runner = nullptr;
  Clock* clock = nullptr;
  std::string converter;                        // argv[0] of the external Photo CD converter
  std::string temp_folder;                      // the run's private folder, ending in '/'
  std::function<void(std::string_view)> print;  // debug lines of a console job
  const WatermarkFont* font = nullptr;          // loaded by the starter for text watermarks
};

/// The converter's argument vector for one level of `input` into `tga`.
std::vector<std::string> ConverterArguments(const std::string& converter, const std::string& input,
                                            int level, const std::string& tga);

/// Decodes a Photo CD file: asks the converter for level 6 down to 0 until a
/// run succeeds and leaves a picture at `temp_path`, falls back to
/// FreeImage's own loader, and decodes panoramas once more at the level
/// their shorter side calls for. Empty when nothing decodes.
Picture DecodePhotoCd(const std::string& input, const std::string& temp_path, EngineEnv& env);

/// The resolution of a decoded picture in dots per metre, EXIF first.
struct Resolution {
  unsigned x = 0;
  unsigned y = 0;
};

Resolution ReadResolution(FIBITMAP* dib);

/// Converts job.current_input_path into the output file, with every edit.
/// True exactly when the save succeeded; job.output_path then names the file.
bool ConvertOneFile(JobState& job, const Settings& s, EngineEnv& env);

/// Converts every entry of `list` while the running flag is set, publishing
/// progress; the result count is published at the end.
void RunWorker(JobState& job, const JobList& list, const Settings& s, ProgressBlock& progress,
               EngineEnv& env);

/// Resets the progress block, runs the worker on its own thread and waits
/// for it. Returns the number of files converted.
int RunWorkerAndWait(JobState& job, const JobList& list, const Settings& s, ProgressBlock& progress,
                     EngineEnv& env);
