#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/process.h"

/// Stands in for the external converter: records every argument vector and,
/// per resolution level, writes a small TGA (or an empty file) and reports
/// the outcome it is told to.
class FakeProcessRunner : public ProcessRunner {
 public:
  struct Level {
    bool writes_file = false;
    bool empty_file = false;
    int width = 768;
    int height = 512;
    ProcessResult result{true, 1, 0};
  };

  /// A level that writes a width x height picture and exits 0.
  static Level Writes(int width = 768, int height = 512) {
    return Level{true, false, width, height, {true, 0, 0}};
  }

  ProcessResult Run(const std::vector<std::string>& argv) override;

  /// The level asked for by each run, in order.
  std::vector<int> LevelsAsked() const;

  std::map<int, Level> levels;
  std::vector<std::vector<std::string>> calls;
};

/// A clock that only moves when told, and never sleeps.
class FakeClock : public Clock {
 public:
  std::int64_t MonotonicMs() override { return ms; }

  std::int64_t Now() override { return now; }

  void SleepMs(int sleep_ms) override { slept += sleep_ms; }

  std::int64_t ms = 0;
  std::int64_t now = 1700000000;
  std::int64_t slept = 0;
};
