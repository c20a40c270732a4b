#include "child_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace bench {
namespace {

constexpr std::size_t kTailLines = 20;

bool Pipe(int fds[2], std::string* error) {
  if (pipe2(fds, O_CLOEXEC) == 0) return true;
  *error = std::string("pipe: ") + std::strerror(errno);
  return false;
}

}  // namespace

double BootClockMs() {
  timespec now;
  clock_gettime(CLOCK_BOOTTIME, &now);
  return static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1e6;
}

bool StartChild(const ChildOptions& options, StartedChild* child, std::string* error) {
  int out[2] = {-1, -1}, err[2] = {-1, -1}, failed[2] = {-1, -1};
  if ((options.pipeOut && !Pipe(out, error)) || (options.pipeErr && !Pipe(err, error)) ||
      !Pipe(failed, error)) {
    for (int fd : {out[0], out[1], err[0], err[1]}) {
      if (fd >= 0) close(fd);
    }
    return false;
  }
  pid_t parent = getpid();
  child->forkBootMs = BootClockMs();
  pid_t pid = fork();
  if (pid == 0) {
    // It ends with this process, however that ends.
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (getppid() != parent) _exit(127);
    for (const auto& [name, value] : options.environment) setenv(name.c_str(), value.c_str(), 1);
    if (!options.pipeOut || !options.pipeErr) {
      const char* log = options.logFile.empty() ? "/dev/null" : options.logFile.c_str();
      int logFd = open(log, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
      if (!options.pipeOut) dup2(logFd, 1);
      if (!options.pipeErr) dup2(logFd, 2);
    }
    if (options.pipeOut) dup2(out[1], 1);
    if (options.pipeErr) dup2(err[1], 2);
    if (options.keepOpen >= 0) fcntl(options.keepOpen, F_SETFD, 0);
    std::vector<char*> argv;
    for (const std::string& arg : options.args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    execvp(argv[0], argv.data());
    int code = errno;
    ssize_t ignored = write(failed[1], &code, sizeof code);
    (void)ignored;
    _exit(127);
  }
  for (int fd : {out[1], err[1], failed[1]}) {
    if (fd >= 0) close(fd);
  }
  if (pid < 0) {
    *error = std::string("fork: ") + std::strerror(errno);
    for (int fd : {out[0], err[0], failed[0]}) {
      if (fd >= 0) close(fd);
    }
    return false;
  }
  // The exec closes this pipe unread; a failed one writes its errno first.
  int code = 0;
  ssize_t n;
  do {
    n = read(failed[0], &code, sizeof code);
  } while (n < 0 && errno == EINTR);
  close(failed[0]);
  child->pid = pid;
  child->out = out[0];
  child->err = err[0];
  if (n == sizeof code) {
    *error = "cannot run " + options.args[0] + ": " + std::strerror(code);
    return false;  // the caller reaps it
  }
  return true;
}

bool HasExited(StartedChild& child) {
  siginfo_t info{};
  if (waitid(P_PID, static_cast<id_t>(child.pid), &info, WEXITED | WNOHANG | WNOWAIT) != 0)
    return false;
  if (info.si_pid != child.pid) return false;
  child.exitCode = info.si_code == CLD_EXITED ? info.si_status : -1;
  return true;
}

LineReader::LineReader(int fd) : fd_(fd) {
  if (fd_ >= 0) fcntl(fd_, F_SETFL, fcntl(fd_, F_GETFL) | O_NONBLOCK);
}

LineReader::~LineReader() { Close(); }

LineReader::LineReader(LineReader&& other) noexcept
    : fd_(other.fd_),
      partial_(std::move(other.partial_)),
      pending_(std::move(other.pending_)),
      tail_(std::move(other.tail_)) {
  other.fd_ = -1;
}

LineReader& LineReader::operator=(LineReader&& other) noexcept {
  if (this != &other) {
    Close();
    fd_ = other.fd_;
    partial_ = std::move(other.partial_);
    pending_ = std::move(other.pending_);
    tail_ = std::move(other.tail_);
    other.fd_ = -1;
  }
  return *this;
}

void LineReader::Close() {
  if (fd_ >= 0) close(fd_);
  fd_ = -1;
}

std::vector<std::string> LineReader::ReadAvailable() {
  std::vector<std::string> lines(pending_.begin(), pending_.end());
  pending_.clear();
  std::size_t fresh = lines.size();  // lines from here on are new
  char buffer[4096];
  while (fd_ >= 0) {
    ssize_t n = read(fd_, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && errno == EAGAIN) break;
    if (n <= 0) {
      if (!partial_.empty()) lines.push_back(partial_);
      partial_.clear();
      Close();
      break;
    }
    partial_.append(buffer, static_cast<std::size_t>(n));
    for (std::size_t end; (end = partial_.find('\n')) != std::string::npos;) {
      lines.push_back(partial_.substr(0, end));
      partial_.erase(0, end + 1);
    }
  }
  for (std::size_t i = fresh; i < lines.size(); ++i) {
    tail_.push_back(lines[i]);
    if (tail_.size() > kTailLines) tail_.pop_front();
  }
  return lines;
}

bool LineReader::ReadLine(int timeoutMs, std::string* line) {
  double deadline = BootClockMs() + timeoutMs;
  for (;;) {
    std::vector<std::string> lines = ReadAvailable();
    pending_.insert(pending_.end(), lines.begin(), lines.end());
    if (!pending_.empty()) {
      *line = pending_.front();
      pending_.pop_front();
      return true;
    }
    int left = static_cast<int>(deadline - BootClockMs());
    if (fd_ < 0 || left <= 0) return false;
    pollfd wait{fd_, POLLIN, 0};
    poll(&wait, 1, left);
  }
}

}  // namespace bench
