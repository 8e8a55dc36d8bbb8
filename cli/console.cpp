#include "cli/console.h"

#include <cstdio>

#include "platform/terminal.h"

Console::Console(bool live_status) : live_(live_status && IsTerminal(stderr)) {}

Console::~Console() {
  ClearStatus();
}

void Console::Print(std::string_view line) {
  std::lock_guard<std::mutex> lock(mutex_);
  EraseStatus();
  std::fwrite(line.data(), 1, line.size(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
  DrawStatus();
}

void Console::Status(std::string_view text) {
  if (!live_)
    return;
  std::lock_guard<std::mutex> lock(mutex_);
  status_ = text;
  EraseStatus();
  DrawStatus();
}

void Console::ClearStatus() {
  std::lock_guard<std::mutex> lock(mutex_);
  EraseStatus();
  status_.clear();
}

void Console::EraseStatus() {
  if (!shown_)
    return;
  std::fputs("\r\033[K", stderr);
  std::fflush(stderr);
  shown_ = false;
}

// A line longer than the terminal would wrap, and a wrapped line cannot be
// taken back with a carriage return; so it is cut (at a character start).
void Console::DrawStatus() {
  if (!live_ || status_.empty())
    return;
  const int columns = TerminalColumns(stderr);
  std::string text = status_;
  const std::size_t limit = columns > 1 ? static_cast<std::size_t>(columns - 1) : 79;
  std::size_t chars = 0, cut = text.size();
  for (std::size_t i = 0; i < text.size(); ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80)
      continue;
    if (++chars > limit) {
      cut = i;
      break;
    }
  }
  text.resize(cut);
  std::fputs(text.c_str(), stderr);
  std::fflush(stderr);
  shown_ = true;
}
