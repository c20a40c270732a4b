#include "platform/desktop/startup_timings.h"

#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace desktop::startup {
namespace {

struct Sum {
  std::string name;
  double first = 0, last = 0, total = 0;
  int count = 0;
};

struct Recording {
  bool enabled = false;
  double processStartMs = 0;  // boot clock
  std::vector<Sum> sums;      // in the order they first came
};

Recording& Current() {
  static Recording recording;
  return recording;
}

// The process's start on the boot clock: field 22 of /proc/self/stat, in
// clock ticks since boot.
double ProcessStartMs() {
  std::ifstream stat("/proc/self/stat");
  std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
  std::size_t close = text.rfind(')');
  if (close == std::string::npos) return BootClockMs();
  std::istringstream fields(text.substr(close + 2));
  std::string field;
  for (int i = 3; i <= 22 && fields >> field; ++i) {
  }
  return std::stod(field) * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

void PrintLine(const std::string& what, double startMs, double endMs) {
  double origin = Current().processStartMs;
  std::fprintf(stderr, "startup: %7.1f .. %7.1f ms  %s  [boot %.1f %.1f]\n", startMs - origin,
               endMs - origin, what.c_str(), startMs, endMs);
  std::fflush(stderr);
}

}  // namespace

void Enable() {
  Recording& r = Current();
  if (r.enabled) return;
  r.enabled = true;
  r.processStartMs = ProcessStartMs();
  Phase("main reached", r.processStartMs);  // loading the program and its libraries
}

bool Enabled() { return Current().enabled; }

double BootClockMs() {
  timespec now;
  clock_gettime(CLOCK_BOOTTIME, &now);
  return static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1e6;
}

void Phase(const char* name, double startBootMs) {
  if (Enabled()) PrintLine(name, startBootMs, BootClockMs());
}

void Moment(const char* name) {
  if (!Enabled()) return;
  double now = BootClockMs();
  PrintLine(name, now, now);
}

void Piece(const char* name, double startBootMs) {
  if (!Enabled()) return;
  double now = BootClockMs();
  std::vector<Sum>& sums = Current().sums;
  Sum* sum = nullptr;
  for (Sum& s : sums) {
    if (s.name == name) sum = &s;
  }
  if (!sum) {
    sums.push_back(Sum{name, startBootMs, now, 0, 0});
    sum = &sums.back();
  }
  sum->last = now;
  sum->total += now - startBootMs;
  ++sum->count;
}

void PrintSums() {
  if (!Enabled()) return;
  for (const Sum& s : Current().sums) {
    char detail[64];
    std::snprintf(detail, sizeof detail, " (%.1f ms in %d)", s.total, s.count);
    PrintLine(s.name + detail, s.first, s.last);
  }
  Current().sums.clear();
}

void Finish() {
  PrintSums();
  Current().enabled = false;
}

Scope::~Scope() {
  if (!Enabled()) return;
  if (piece_)
    Piece(name_, start_);
  else
    Phase(name_, start_);
}

}  // namespace desktop::startup
