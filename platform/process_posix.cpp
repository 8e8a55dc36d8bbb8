#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "platform/process.h"

extern char** environ;

namespace {

// Owns the file actions so they are destroyed on every path.
class SpawnActions {
 public:
  SpawnActions() { ok_ = posix_spawn_file_actions_init(&actions_) == 0; }

  ~SpawnActions() {
    if (ok_)
      posix_spawn_file_actions_destroy(&actions_);
  }

  SpawnActions(const SpawnActions&) = delete;
  SpawnActions& operator=(const SpawnActions&) = delete;

  bool RedirectToNull() {
    return ok_ && posix_spawn_file_actions_addopen(&actions_, 0, "/dev/null", O_RDONLY, 0) == 0
           && posix_spawn_file_actions_addopen(&actions_, 1, "/dev/null", O_WRONLY, 0) == 0
           && posix_spawn_file_actions_addopen(&actions_, 2, "/dev/null", O_WRONLY, 0) == 0;
  }

  const posix_spawn_file_actions_t* get() const { return &actions_; }

 private:
  posix_spawn_file_actions_t actions_;
  bool ok_ = false;
};

}  // namespace

ProcessResult PosixProcessRunner::Run(const std::vector<std::string>& argv) {
  ProcessResult result;
  if (argv.empty())
    return result;
  SpawnActions actions;
  if (!actions.RedirectToNull())
    return result;
  std::vector<char*> args;
  args.reserve(argv.size() + 1);
  for (const std::string& a : argv)
    args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  pid_t pid = 0;
  if (posix_spawnp(&pid, args[0], actions.get(), nullptr, args.data(), environ) != 0)
    return result;
  int status = 0;
  while (waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR)
      return result;
  }
  result.started = true;
  if (WIFEXITED(status)) {
    result.exit_code = WEXITSTATUS(status);
    // posix_spawnp reports a failed exec of a found file this way
    if (result.exit_code == 127)
      result.started = IsExecutable(argv[0]);
  } else if (WIFSIGNALED(status)) {
    result.signal = WTERMSIG(status);
  }
  return result;
}

bool IsExecutable(const std::string& name) {
  if (name.empty())
    return false;
  const auto executable_file = [](const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && access(path.c_str(), X_OK) == 0;
  };
  if (name.find('/') != std::string::npos)
    return executable_file(name);
  const char* path = std::getenv("PATH");
  std::string dirs = path ? path : "/usr/local/bin:/usr/bin:/bin";
  std::size_t start = 0;
  while (start <= dirs.size()) {
    const std::size_t end = std::min(dirs.find(':', start), dirs.size());
    const std::string dir = end > start ? dirs.substr(start, end - start) : std::string(1, '.');
    if (executable_file(dir + "/" + name))
      return true;
    start = end + 1;
  }
  return false;
}

std::string FindConverter(const std::string& program_folder) {
  if (const char* chosen = std::getenv("MARLENTA_CONVERTER"); chosen && *chosen)
    return chosen;
  const std::string own = program_folder + "marlenta-pcd";
  if (IsExecutable(own))
    return own;
  if (IsExecutable("convert"))
    return "convert";
  return "magick";
}
