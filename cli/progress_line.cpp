#include "cli/progress_line.h"

#include <chrono>
#include <future>

void TimeLeft::Update(int index, std::int64_t now_ms) {
  if (start_ms_ < 0)
    start_ms_ = now_ms;
  if (index != index_) {
    index_ = index;
    index_since_ms_ = now_ms;
  }
}

std::int64_t TimeLeft::Estimate(int total, std::int64_t now_ms) const {
  const int done = index_ - 1;
  if (start_ms_ < 0 || done <= 0)
    return -1;
  const std::int64_t per_file = (index_since_ms_ - start_ms_) / done;
  const std::int64_t left = per_file * (total - done) - (now_ms - index_since_ms_);
  return left > 0 ? left : 0;
}

std::string ConvertProgressText(int index, int total, std::string_view file, std::int64_t left_ms) {
  std::string text = std::to_string(index) + " of " + std::to_string(total) + ": ";
  const std::size_t slash = file.rfind('/');
  text += file.substr(slash == std::string_view::npos ? 0 : slash + 1);
  if (left_ms >= 0) {
    const std::int64_t seconds = (left_ms + 999) / 1000;
    const std::int64_t s = seconds % 60;
    text +=
        ", " + std::to_string(seconds / 60) + (s < 10 ? ":0" : ":") + std::to_string(s) + " left";
  }
  return text;
}

void RunAndWatch(const std::function<void()>& work, const std::function<void()>& tick,
                 int interval_ms) {
  std::future<void> done = std::async(std::launch::async, work);
  while (done.wait_for(std::chrono::milliseconds(interval_ms)) != std::future_status::ready)
    tick();
  done.get();
}
