#pragma once

#include <cstdint>

/// Time as the engine sees it; tests replace it to make durations exact.
class Clock {
 public:
  virtual ~Clock() = default;
  /// Milliseconds from an arbitrary start, never going back.
  virtual std::int64_t MonotonicMs() = 0;
  /// Seconds since 1970-01-01 (the local wall clock).
  virtual std::int64_t Now() = 0;
  virtual void SleepMs(int ms) = 0;
};

class SystemClock : public Clock {
 public:
  std::int64_t MonotonicMs() override;
  std::int64_t Now() override;
  void SleepMs(int ms) override;
};

/// Broken-down local time of `seconds`.
struct LocalTime {
  int year, month, day, hour, minute, second;
};

LocalTime ToLocalTime(std::int64_t seconds);
