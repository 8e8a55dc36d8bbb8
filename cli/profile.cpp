#include "cli/profile.h"

#include <fstream>

bool ReadProfile(const std::string& path, Settings&) {
  if (path.empty())
    return false;
  std::ifstream file(path);
  return file.good();
}
