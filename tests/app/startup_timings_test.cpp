// The program's --timings: where a start's time goes, one line a phase on
// standard error, which tools read; nothing of it without the option.
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/command_output.h"

namespace {

struct TimedPhase {
  std::string name;
  double from, to, bootFrom, bootTo;
};

std::string RunTessal(const std::string& options) {
  return CommandOutput(std::string("'") + TESSAL_BINARY + "' " + options +
                       " --quiet --script 'wait 1200' 2>&1");
}

std::vector<TimedPhase> Phases(const std::string& output) {
  std::vector<TimedPhase> phases;
  std::istringstream lines(output);
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("startup:", 0) != 0) continue;
    TimedPhase p;
    std::size_t name = line.find(" ms  ");
    std::size_t boot = line.rfind("  [boot ");
    EXPECT_TRUE(name != std::string::npos && boot != std::string::npos && name < boot) << line;
    if (name == std::string::npos || boot == std::string::npos || name >= boot) continue;
    EXPECT_EQ(std::sscanf(line.c_str(), "startup: %lf .. %lf", &p.from, &p.to), 2) << line;
    EXPECT_EQ(std::sscanf(line.c_str() + boot, "  [boot %lf %lf]", &p.bootFrom, &p.bootTo), 2)
        << line;
    p.name = line.substr(name + 5, boot - name - 5);
    phases.push_back(p);
  }
  return phases;
}

TEST(StartupTimingsTest, EachPhaseIsALineWithItsTimesSinceTheStartAndOnTheBootClock) {
  std::vector<TimedPhase> phases = Phases(RunTessal("--timings"));
  ASSERT_FALSE(phases.empty());
  EXPECT_EQ(phases.front().name, "main reached");
  EXPECT_EQ(phases.front().from, 0.0);
  double origin = phases.front().bootFrom;
  bool dialog = false, decoded = false;
  for (const TimedPhase& p : phases) {
    SCOPED_TRACE(p.name);
    EXPECT_LE(p.from, p.to);
    EXPECT_GE(p.from, 0.0);
    // The same moments on both clocks.
    EXPECT_NEAR(p.bootFrom - origin, p.from, 0.2);
    EXPECT_NEAR(p.bootTo - origin, p.to, 0.2);
    dialog = dialog || p.name == "dialog init (WM_INITDIALOG)";
    int pieces = 0;
    // The launcher's pictures, summed: its background and four for each of its seven buttons.
    if (std::sscanf(p.name.c_str(), "artwork decode (%*f ms in %d)", &pieces) == 1) {
      decoded = true;
      EXPECT_GE(pieces, 29);
    }
  }
  EXPECT_TRUE(dialog);
  EXPECT_TRUE(decoded);
}

TEST(StartupTimingsTest, WithoutTheOptionNothingIsPrinted) {
  EXPECT_EQ(RunTessal("").find("startup:"), std::string::npos);
}

}  // namespace
