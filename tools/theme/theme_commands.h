// The commands of tessal-theme, with what they print, so that tests run
// them as the operator does.
#pragma once

#include <string>
#include <vector>

namespace theme {

struct CommandResult {
  int exitCode = 0;  // 0 done, 1 the theme has faults or a file could not be written, 2 usage
  std::string out, err;
};

CommandResult RunCommand(const std::vector<std::string>& args);

}  // namespace theme
