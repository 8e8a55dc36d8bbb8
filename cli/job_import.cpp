#include "cli/job_import.h"

#include <filesystem>
#include <fstream>
#include <set>

#include "platform/files.h"
#include "settings/formats.h"

namespace fs = std::filesystem;

namespace {

std::string ExtensionOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  const std::size_t dot = path.rfind('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
    return {};
  return path.substr(dot + 1);
}

std::string WithSlash(std::string folder) {
  if (folder.empty() || folder.back() != '/')
    folder += '/';
  return folder;
}

// Folders already scanned in one import, by their real location, so that a
// link back up the tree cannot send the scan round for ever.
using Visited = std::set<std::string>;

bool FirstVisit(const std::string& folder, Visited& visited) {
  std::error_code error;
  const fs::path real = fs::canonical(folder, error);
  return visited.insert(error ? folder : real.string()).second;
}

// Calls `offer(path, is_folder)` for each entry of `folder` in the order the
// file system gives; false from `offer` stops the walk.
template <typename Offer>
void ForEachEntry(const std::string& folder, Offer offer) {
  std::error_code error;
  fs::directory_iterator it(folder, error), end;
  for (; !error && it != end; it.increment(error)) {
    std::error_code type_error;
    const bool is_folder = it->is_directory(type_error);
    std::string path = folder + it->path().filename().string();
    if (!offer(is_folder ? WithSlash(std::move(path)) : std::move(path), is_folder))
      return;
  }
}

int Scan(const std::string& folder, const std::string& input_folder, JobList& list,
         Visited& visited) {
  if (!FirstVisit(folder, visited))
    return 0;
  int added = 0;
  ForEachEntry(folder, [&](const std::string& path, bool is_folder) {
    added +=
        is_folder ? Scan(path, input_folder, list, visited) : AddOneFile(path, input_folder, list);
    return true;
  });
  return added;
}

std::string Trim(std::string line) {
  const auto blank = [](char c) {
    return c == ' ' || c == '\t' || c == '\r';
  };
  std::size_t begin = 0, end = line.size();
  while (begin < end && blank(line[begin]))
    ++begin;
  while (end > begin && blank(line[end - 1]))
    --end;
  return line.substr(begin, end - begin);
}

}  // namespace

std::string RelativeSubfolder(const std::string& path, const std::string& folder) {
  if (path.empty() || folder.empty())
    return {};
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos)
    return {};
  const std::string folder_part = path.substr(0, slash + 1);
  // Only a leading match counts: on Linux the folder's text can recur deeper
  // in the tree (/a/ in /a/b/a/c/), and cutting it there too would merge
  // unrelated subfolders.
  if (folder_part.compare(0, folder.size(), folder) != 0)
    return {};
  return folder_part.substr(folder.size());
}

bool AddOneFile(const std::string& path, const std::string& input_folder, JobList& list) {
  if (FileSize(path) == 0)
    return false;
  if (!IsAcceptedInput(ExtensionOf(path)))
    return false;
  return list.Add(path, RelativeSubfolder(path, input_folder));
}

int ScanFolder(const std::string& folder, const std::string& input_folder, JobList& list) {
  Visited visited;
  return Scan(WithSlash(folder), input_folder, list, visited);
}

void ImportFolder(const std::string& folder, JobList& list, ProgressBlock& progress) {
  Visited visited;
  int added = 0;
  if (FirstVisit(folder, visited)) {
    ForEachEntry(folder, [&](const std::string& path, bool is_folder) {
      if (!progress.running())
        return false;
      progress.CountItem();
      added += is_folder ? Scan(path, folder, list, visited) : AddOneFile(path, folder, list);
      return true;
    });
  }
  progress.AddResults(added);
}

void ImportList(const std::string& list_file, JobList& list, ProgressBlock& progress) {
  int added = 0;
  std::ifstream file(list_file, std::ios::binary);
  std::string line;
  for (bool first = true; progress.running() && std::getline(file, line); first = false) {
    if (first && line.compare(0, 3, "\xEF\xBB\xBF") == 0)
      line.erase(0, 3);
    line = Trim(std::move(line));
    const std::int64_t size = line.empty() ? -1 : FileSize(line);
    if (size == -1)
      continue;
    progress.CountItem();
    added += size == -2 ? ScanFolder(line, "", list) : AddOneFile(line, "", list);
  }
  progress.AddResults(added);
}
