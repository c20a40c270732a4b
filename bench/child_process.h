// Starting a process with its output on pipes, and reading that output a
// line at a time without ever waiting longer than asked.
#pragma once

#include <sys/types.h>

#include <deque>
#include <string>
#include <utility>
#include <vector>

namespace bench {

// CLOCK_BOOTTIME in milliseconds: the clock the program's own timings use.
double BootClockMs();

struct StartedChild {
  pid_t pid = -1;
  double forkBootMs = 0;  // the boot clock just before fork()
  int out = -1;           // its standard output, or -1 when not asked for
  int err = -1;           // its standard error, or -1 when not asked for
  int exitCode = -1;      // once it has exited (HasExited)
};

struct ChildOptions {
  std::vector<std::string> args;  // args[0]: the file (searched in PATH)
  std::vector<std::pair<std::string, std::string>> environment;  // set on top of this one's
  bool pipeOut = true;                                           // false: to `logFile`
  bool pipeErr = true;                                           // false: to `logFile`
  std::string logFile;  // where what is not piped goes (empty: /dev/null)
  int keepOpen = -1;    // a descriptor the child inherits (e.g. Xvfb's -displayfd)
};

// Starts the child, which gets SIGTERM if this process ends first. False with a message when it
// cannot be run at all (the file missing or not executable).
bool StartChild(const ChildOptions& options, StartedChild* child, std::string* error);

// Whether the child has exited, without reaping it (its descendants stay
// findable until it is reaped); notes its exit code (-1: a signal).
bool HasExited(StartedChild& child);

// The lines of one pipe, as they come.
class LineReader {
 public:
  // Takes `fd` over (and makes it non-blocking).
  explicit LineReader(int fd = -1);
  ~LineReader();
  LineReader(LineReader&& other) noexcept;
  LineReader& operator=(LineReader&& other) noexcept;

  int fd() const { return fd_; }
  bool ended() const { return fd_ < 0; }
  // Reads what is there now (the descriptor is non-blocking) and returns
  // the complete lines; at the end of the output, the last unfinished one.
  std::vector<std::string> ReadAvailable();
  // Waits up to `timeoutMs` for one line; false at the end or on timeout.
  bool ReadLine(int timeoutMs, std::string* line);
  // The last lines read, to show when something went wrong.
  const std::deque<std::string>& tail() const { return tail_; }

 private:
  void Close();

  int fd_;
  std::string partial_;
  std::deque<std::string> pending_;
  std::deque<std::string> tail_;
};

}  // namespace bench
