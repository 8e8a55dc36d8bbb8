#include <chrono>
#include <ctime>
#include <thread>

#include "platform/clock.h"

std::int64_t SystemClock::MonotonicMs() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

std::int64_t SystemClock::Now() {
  return static_cast<std::int64_t>(std::time(nullptr));
}

void SystemClock::SleepMs(int ms) {
  std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

LocalTime ToLocalTime(std::int64_t seconds) {
  const std::time_t t = static_cast<std::time_t>(seconds);
  std::tm tm{};
  localtime_r(&t, &tm);
  return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}
