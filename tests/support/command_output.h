// Runs a shell command and gives back what it printed (for tests that run
// the real program as a separate process).
#pragma once

#include <array>
#include <cstdio>
#include <string>

inline std::string CommandOutput(const std::string& command) {
  std::string output;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return output;
  std::array<char, 4096> buffer;
  while (std::fgets(buffer.data(), buffer.size(), pipe)) output += buffer.data();
  pclose(pipe);
  return output;
}
