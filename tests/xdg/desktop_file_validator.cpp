#include "tests/xdg/desktop_file_validator.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <sstream>

namespace {

constexpr char kValidator[] = "desktop-file-validate";

}  // namespace

bool DesktopFileValidatorInstalled() {
  const char* path = std::getenv("PATH");
  std::istringstream folders(path ? path : "");
  for (std::string folder; std::getline(folders, folder, ':');) {
    if (!folder.empty() && access((folder + "/" + kValidator).c_str(), X_OK) == 0) return true;
  }
  return false;
}

ValidatorReport ValidateDesktopFile(const std::string& path) {
  ValidatorReport report;
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) return {false, "cannot make a pipe"};
  pid_t child = fork();
  if (child < 0) {
    close(pipeEnds[0]);
    close(pipeEnds[1]);
    return {false, "cannot start " + std::string(kValidator)};
  }
  if (child == 0) {
    dup2(pipeEnds[1], STDOUT_FILENO);
    dup2(pipeEnds[1], STDERR_FILENO);
    close(pipeEnds[0]);
    close(pipeEnds[1]);
    execlp(kValidator, kValidator, path.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  close(pipeEnds[1]);
  char buffer[4096];
  for (ssize_t n; (n = read(pipeEnds[0], buffer, sizeof buffer)) != 0;) {
    if (n > 0)
      report.output.append(buffer, static_cast<std::size_t>(n));
    else if (errno != EINTR)
      break;
  }
  close(pipeEnds[0]);
  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  report.accepted = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  return report;
}
