// tessal-pack: the operator's tool that appends the start-page record to a
// finished program file, reads it back and replaces it. It decodes files
// with the program's own reader, so the two cannot disagree.
#pragma once

#include <string>

namespace tessal_pack {

enum ExitCode { kOk = 0, kRefused = 2, kNoRecord = 3 };

struct Result {
  int exitCode = kOk;
  std::string out;  // for standard output
  std::string err;  // for standard error
};

// `address` is given as UTF-8 (as typed) and stored as code page 936.
// `output` empty: the program is changed in place.
Result Write(const std::string& program, const std::string& address, const std::string& output,
             bool replace);

// What the program would read: "record: <address>", "no record", or an error.
Result Read(const std::string& program);

// The whole command line, as main passes it.
Result Run(int argc, const char* const* argv);

}  // namespace tessal_pack
