#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

/// Tells the time left of a conversion from the moments its files began.
class TimeLeft {
 public:
  /// `index` is the 1-based file now converting, `now_ms` a monotonic time.
  void Update(int index, std::int64_t now_ms);
  /// Milliseconds still to go for `total` files, or -1 before a file ended.
  std::int64_t Estimate(int total, std::int64_t now_ms) const;

 private:
  std::int64_t start_ms_ = -1;
  int index_ = 0;
  std::int64_t index_since_ms_ = 0;  // when the current file began
};

/// "3 of 10: IMG0003.pcd, 1:05 left" (the time only when known).
std::string ConvertProgressText(int index, int total, std::string_view file, std::int64_t left_ms);

/// Runs `work` on a thread of its own and, until it has ended, calls `tick`
/// on this thread about every `interval_ms`.
void RunAndWatch(const std::function<void()>& work, const std::function<void()>& tick,
                 int interval_ms = 200);
