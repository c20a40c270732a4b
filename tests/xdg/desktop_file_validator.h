// desktop-file-validate, the freedesktop.org checker of desktop entry files,
// run on a file without a shell (the paths tested hold quotes and spaces).
#pragma once

#include <string>

struct ValidatorReport {
  bool accepted = false;  // exit status 0: no errors
  std::string output;     // its errors, warnings and hints
};

// True when desktop-file-validate is on the PATH.
bool DesktopFileValidatorInstalled();

ValidatorReport ValidateDesktopFile(const std::string& path);
