#pragma once

#include <mutex>
#include <string>
#include <string_view>

/// The console of a command-line run: specified lines go to standard output
/// (UTF-8, one LF each); a live status line goes to standard error only when
/// that is a terminal and quiet is off, so redirected output stays exactly
/// the specified lines. Safe to use from the worker thread.
class Console {
 public:
  /// `live_status` asks for the status line; it is shown only on a terminal.
  explicit Console(bool live_status = false);
  ~Console();
  Console(const Console&) = delete;
  Console& operator=(const Console&) = delete;

  void Print(std::string_view line);
  /// Replaces the status line (cut to the terminal's width).
  void Status(std::string_view text);
  void ClearStatus();

  bool live() const { return live_; }

 private:
  void EraseStatus();
  void DrawStatus();

  std::mutex mutex_;
  bool live_ = false;
  std::string status_;
  bool shown_ = false;
};
