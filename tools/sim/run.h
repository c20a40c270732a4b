// One tessal-sim run: a headless session set up as the scenario says, the
// real program run in it with the scenario's actions as the user, and the
// transcript written to `out`.
#pragma once

#include <ostream>
#include <string>

#include "tools/sim/scenario.h"

namespace sim {

enum ExitCode { kRunOk = 0, kSomeActionFailed = 1, kRefused = 2 };

struct RunOptions {
  std::string rootFolder;       // empty: a temporary folder, removed afterwards
  bool withTimes = false;       // a "t" field (virtual milliseconds) on each line
  std::ostream* log = nullptr;  // the desktop's own running commentary, if wanted
};

int RunScenario(const Scenario& scenario, const RunOptions& options, std::ostream& out);

// The whole command line, as main passes it.
int RunCommandLine(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace sim
