#include "startup_phases.h"

#include <algorithm>

#include "median.h"

namespace bench {
namespace {

std::string Trimmed(const std::string& text) {
  std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::optional<StartupPhase> ParseStartupLine(const std::string& line) {
  double from = 0, to = 0;
  int nameAt = -1;
  if (std::sscanf(line.c_str(), "startup: %lf .. %lf ms %n", &from, &to, &nameAt) != 2 ||
      nameAt < 0) {
    return std::nullopt;
  }
  std::size_t boot = line.rfind("[boot ");
  if (boot == std::string::npos || boot < static_cast<std::size_t>(nameAt)) return std::nullopt;
  StartupPhase phase;
  char close = 0;
  if (std::sscanf(line.c_str() + boot, "[boot %lf %lf%c", &phase.startBootMs, &phase.endBootMs,
                  &close) != 3 ||
      close != ']') {
    return std::nullopt;
  }
  phase.name = Trimmed(
      line.substr(static_cast<std::size_t>(nameAt), boot - static_cast<std::size_t>(nameAt)));
  std::size_t open = phase.name.rfind(" (");
  if (!phase.name.empty() && phase.name.back() == ')' && open != std::string::npos) {
    phase.sum = phase.name.substr(open + 2, phase.name.size() - open - 3);
    phase.name = Trimmed(phase.name.substr(0, open));
  }
  if (phase.name.empty()) return std::nullopt;
  return phase;
}

void PhaseMedians::BeginRun(double forkBootMs) {
  forkBootMs_ = forkBootMs;
  seenThisRun_.clear();
  ++runs_;
}

void PhaseMedians::Add(const StartupPhase& phase) {
  // A summed phase is printed more than once in a run (its pieces so far,
  // then the rest): each printing is a series of its own.
  int occurrence = ++seenThisRun_[phase.name];
  std::string label = phase.name;
  if (occurrence > 1) label += " #" + std::to_string(occurrence);
  auto [at, added] = index_.emplace(label, series_.size());
  if (added) series_.push_back(Series{label, {}, {}, {}, {}, {}});
  Series& series = series_[at->second];
  series.starts.push_back(phase.startBootMs - forkBootMs_);
  series.ends.push_back(phase.endBootMs - forkBootMs_);
  if (!phase.sum.empty()) {
    double ms = 0, count = 0;
    int used = -1;
    if (std::sscanf(phase.sum.c_str(), "%lf ms in %lf%n", &ms, &count, &used) == 2 &&
        static_cast<std::size_t>(used) == phase.sum.size()) {
      series.sumMs.push_back(ms);
      series.sumCounts.push_back(count);
    }
    series.lastSum = phase.sum;
  }
}

void PhaseMedians::Print(std::FILE* out, const char* indent) const {
  std::size_t width = 0;
  for (const Series& series : series_) width = std::max(width, series.label.size());
  for (const Series& series : series_) {
    std::fprintf(out, "%s%-*s %8.1f .. %8.1f ms", indent, static_cast<int>(width),
                 series.label.c_str(), Median(series.starts), Median(series.ends));
    if (!series.sumMs.empty()) {
      std::fprintf(out, "  (%.1f ms in %.0f)", Median(series.sumMs), Median(series.sumCounts));
    } else if (!series.lastSum.empty()) {
      std::fprintf(out, "  (%s)", series.lastSum.c_str());
    }
    if (static_cast<int>(series.starts.size()) < runs_) {
      std::fprintf(out, "  [in %zu of %d runs]", series.starts.size(), runs_);
    }
    std::fprintf(out, "\n");
  }
}

}  // namespace bench
