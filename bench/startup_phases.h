// The program's account of its own start (tessal --timings): one line on
// standard error per phase,
//
//   startup:    41.3 ..    88.0 ms  gtk init  [boot 123456.7 123503.4]
//   startup:   150.2 ..   175.0 ms  artwork decode (12.3 ms in 30)  [boot 123565.6 123590.4]
//
// and the medians of each phase over several runs, each run's phases
// taken relative to the moment that run's process was forked.
#pragma once

#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace bench {

struct StartupPhase {
  std::string name;        // without a parenthesised sum
  std::string sum;         // what the parentheses held ("12.3 ms in 30"), or empty
  double startBootMs = 0;  // CLOCK_BOOTTIME, ms
  double endBootMs = 0;
};

// The phase a line reports, or nothing when it is not such a line.
std::optional<StartupPhase> ParseStartupLine(const std::string& line);

class PhaseMedians {
 public:
  void BeginRun(double forkBootMs);
  void Add(const StartupPhase& phase);
  int runs() const { return runs_; }
  // One line per phase, in the order they first appeared: the medians of
  // start and end (and of a sum's time and count).
  void Print(std::FILE* out, const char* indent) const;

 private:
  struct Series {
    std::string label;
    std::vector<double> starts, ends, sumMs, sumCounts;
    std::string lastSum;  // shown as it is when it is not "X ms in N"
  };

  std::vector<Series> series_;
  std::map<std::string, std::size_t> index_;
  std::map<std::string, int> seenThisRun_;
  double forkBootMs_ = 0;
  int runs_ = 0;
};

}  // namespace bench
