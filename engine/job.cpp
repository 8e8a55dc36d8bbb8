#include "engine/job.h"

#include <random>

std::int32_t NewRandomNumber() {
  static thread_local std::mt19937 generator{std::random_device{}()};
  return std::uniform_int_distribution<std::int32_t>(1, 99999)(generator);
}

bool JobList::Add(std::string path, std::string subfolder) {
  if (!paths_.insert(path).second)
    return false;
  entries_.push_back({std::move(path), std::move(subfolder)});
  return true;
}

void JobList::Clear() {
  entries_.clear();
  paths_.clear();
}

void ProgressBlock::Reset() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    fields_ = {};
  }
  running_.store(true);
}

void ProgressBlock::Publish(int index, const std::string& file, std::int64_t previous_duration) {
  std::lock_guard<std::mutex> lock(mutex_);
  fields_.current_index = index;
  fields_.current_file = file;
  fields_.previous_duration = previous_duration;
}

void ProgressBlock::CountItem() {
  std::lock_guard<std::mutex> lock(mutex_);
  ++fields_.current_index;
}

void ProgressBlock::AddResults(int count) {
  std::lock_guard<std::mutex> lock(mutex_);
  fields_.result_count += count;
}

ProgressBlock::Snapshot ProgressBlock::Read() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return fields_;
}
