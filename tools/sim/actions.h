// The scenario's actions as the headless host's script: each runs when its
// turn comes (the host runs the script whenever the program waits for
// input), finds its window then, and reports what it cannot do to the
// transcript instead of stopping the run.
#pragma once

#include <vector>

#include "tools/sim/scenario.h"

namespace desktop {
class HeadlessHost;
}

namespace sim {

class Transcript;

void QueueActions(const std::vector<Action>& actions, desktop::HeadlessHost& host,
                  Transcript& transcript);

}  // namespace sim
