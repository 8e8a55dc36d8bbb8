#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include "platform/terminal.h"

bool IsTerminal(std::FILE* stream) {
  return isatty(fileno(stream)) == 1;
}

int TerminalColumns(std::FILE* stream) {
  winsize size{};
  if (ioctl(fileno(stream), TIOCGWINSZ, &size) != 0)
    return 0;
  return size.ws_col;
}

namespace {

// Puts the terminal back the way it was, whatever path leaves the wait.
class RawMode {
 public:
  explicit RawMode(int fd) : fd_(fd) {
    if (tcgetattr(fd_, &saved_) != 0)
      return;
    termios raw = saved_;
    raw.c_lflag &= static_cast<tcflag_t>(~(ICANON | ECHO));
    raw.c_cc[VMIN] = 1;
    raw.c_cc[VTIME] = 0;
    active_ = tcsetattr(fd_, TCSANOW, &raw) == 0;
  }

  ~RawMode() {
    if (active_)
      tcsetattr(fd_, TCSANOW, &saved_);
  }

  RawMode(const RawMode&) = delete;
  RawMode& operator=(const RawMode&) = delete;

 private:
  int fd_;
  termios saved_{};
  bool active_ = false;
};

}  // namespace

void WaitForKey() {
  if (isatty(STDIN_FILENO) != 1)
    return;
  RawMode raw(STDIN_FILENO);
  char c = 0;
  while (read(STDIN_FILENO, &c, 1) < 0) {
  }
  // A key such as an arrow sends several bytes; drop the rest so they do not
  // reach the shell afterwards.
  tcflush(STDIN_FILENO, TCIFLUSH);
}
