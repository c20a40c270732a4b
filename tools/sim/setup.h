// The machine as a scenario wants it before the program starts: the program
// file with its start-page record, the Run key's values, the URL cache's
// entries and the files in the cache and desktop folders.
#pragma once

#include <string>

#include "tools/sim/scenario.h"

namespace desktop {
class Session;
}

namespace sim {

class SetupError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The machine-wide key that lists the programs started on boot.
extern const char kRunKeyPath[];

// Throws SetupError when the machine cannot be prepared.
void ApplySetup(const Scenario& scenario, desktop::Session& session);

}  // namespace sim
