#include "tests/helpers/console_run.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
    lines.push_back(text.substr(start, end - start));
  if (start < text.size())
    lines.push_back(text.substr(start));
  return lines;
}

}  // namespace

ConsoleSandbox::ConsoleSandbox() {
  cwd_ = root_.Path("cwd/");
  tmp_ = root_.Path("tmp/");
  for (const char* folder : {"cwd", "tmp", "home", "config", "run"})
    fs::create_directories(root_.Path(folder));
}

void ConsoleSandbox::Write(const std::string& relative, const std::string& bytes) {
  fs::create_directories(fs::path(Path(relative)).parent_path());
  WriteFile(Path(relative), bytes);
}

void ConsoleSandbox::MakeFolders(const std::string& relative) {
  fs::create_directories(Path(relative));
}

void ConsoleSandbox::PhotoCd(const std::string& relative) {
  fs::create_directories(fs::path(Path(relative)).parent_path());
  fs::copy_file(std::string(MARLENTA_SAMPLES) + "/hopper.pcd", Path(relative),
                fs::copy_options::overwrite_existing);
}

ConsoleResult ConsoleSandbox::Run(const std::vector<std::string>& args,
                                  const std::map<std::string, std::string>& env) const {
  std::map<std::string, std::string> vars;
  for (char** e = environ; *e; ++e) {
    const std::string entry = *e;
    const std::size_t eq = entry.find('=');
    if (eq != std::string::npos && entry.compare(0, 5, "FAKE_") != 0
        && entry.compare(0, 8, "MARLENTA") != 0)
      vars[entry.substr(0, eq)] = entry.substr(eq + 1);
  }
  vars["HOME"] = root_.Path("home");
  vars["XDG_CONFIG_HOME"] = root_.Path("config");
  vars["XDG_RUNTIME_DIR"] = root_.Path("run");
  vars["TMPDIR"] = root_.Path("tmp");
  vars["LC_ALL"] = "C.UTF-8";
  vars["MARLENTA_CONVERTER"] = MARLENTA_FAKE_CONVERTER;
  for (const auto& [name, value] : env)
    vars[name] = value;

  std::vector<std::string> env_texts;
  for (const auto& [name, value] : vars)
    env_texts.push_back(name + "=" + value);
  std::vector<char*> envp;
  for (std::string& text : env_texts)
    envp.push_back(text.data());
  envp.push_back(nullptr);
  std::vector<std::string> argv_texts = {MARLENTA_EXE};
  argv_texts.insert(argv_texts.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& text : argv_texts)
    argv.push_back(text.data());
  argv.push_back(nullptr);

  const std::string out_path = root_.Path("stdout"), err_path = root_.Path("stderr");
  const pid_t pid = fork();
  if (pid == 0) {
    // Only async-signal-safe calls between fork and exec.
    const int in = open("/dev/null", O_RDONLY);
    const int out = open(out_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int err = open(err_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (in < 0 || out < 0 || err < 0 || chdir(cwd_.c_str()) != 0)
      _exit(127);
    dup2(in, 0);
    dup2(out, 1);
    dup2(err, 2);
    execve(argv[0], argv.data(), envp.data());
    _exit(127);
  }
  ConsoleResult result;
  int wait_status = 0;
  if (pid > 0 && waitpid(pid, &wait_status, 0) == pid && WIFEXITED(wait_status))
    result.status = WEXITSTATUS(wait_status);
  result.out = Slurp(out_path);
  result.err = Slurp(err_path);
  result.lines = SplitLines(result.out);
  return result;
}

SavedPicture ReadSaved(const std::string& path) {
  Picture pic = Adopt(FreeImage_Load(FIF_TIFF, path.c_str(), 0));
  if (!pic)
    return {};
  return {static_cast<int>(FreeImage_GetWidth(pic.get())),
          static_cast<int>(FreeImage_GetHeight(pic.get())),
          static_cast<int>(FreeImage_GetBPP(pic.get()))};
}
