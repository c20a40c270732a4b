#include "process_tree.h"

#include <dirent.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>

namespace bench {
namespace {

// The parent of every process on the machine.
std::map<pid_t, pid_t> Parents() {
  std::map<pid_t, pid_t> parents;
  DIR* proc = opendir("/proc");
  if (!proc) return parents;
  while (dirent* entry = readdir(proc)) {
    pid_t pid = std::atoi(entry->d_name);
    if (pid <= 0) continue;
    std::ifstream stat("/proc/" + std::string(entry->d_name) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    std::size_t close = text.rfind(')');
    if (close == std::string::npos) continue;
    std::istringstream fields(text.substr(close + 1));
    char state = 0;
    pid_t parent = 0;
    if (fields >> state >> parent) parents[pid] = parent;
  }
  closedir(proc);
  return parents;
}

// `roots` and all their descendants, as one scan of /proc finds them.
std::set<pid_t> Descendants(const std::set<pid_t>& roots) {
  std::map<pid_t, pid_t> parents = Parents();
  std::set<pid_t> tree;
  for (pid_t root : roots) {
    if (parents.count(root)) tree.insert(root);
  }
  for (bool grew = true; grew;) {
    grew = false;
    for (const auto& [pid, parent] : parents) {
      if (!tree.count(pid) && tree.count(parent)) grew = tree.insert(pid).second;
    }
  }
  return tree;
}

long ResidentKb(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
  }
  return 0;  // a zombie, or gone
}

std::string CommandName(pid_t pid) {
  std::ifstream comm("/proc/" + std::to_string(pid) + "/comm");
  std::string name;
  std::getline(comm, name);
  return name.empty() ? "?" : name;
}

void SleepMs(int ms) {
  timespec pause{ms / 1000, (ms % 1000) * 1000000L};
  nanosleep(&pause, nullptr);
}

// Drops from `tracked` what is gone: reaped here when it is a child of
// this process, else no longer in /proc. Adds what the remaining ones
// started since.
void Settle(std::set<pid_t>& tracked) {
  for (auto it = tracked.begin(); it != tracked.end();) {
    pid_t reaped = waitpid(*it, nullptr, WNOHANG);
    bool gone =
        reaped == *it || (reaped < 0 && errno == ECHILD && kill(*it, 0) != 0 && errno == ESRCH);
    it = gone ? tracked.erase(it) : std::next(it);
  }
  if (!tracked.empty()) tracked = Descendants(tracked);
}

bool WaitUntilGone(std::set<pid_t>& tracked, int graceMs) {
  for (int waited = 0;; waited += 20) {
    Settle(tracked);
    if (tracked.empty()) return true;
    if (waited >= graceMs) return false;
    SleepMs(20);
  }
}

}  // namespace

std::vector<pid_t> ProcessTree(pid_t root) {
  std::set<pid_t> tree = Descendants({root});
  return {tree.begin(), tree.end()};
}

bool InProcessTree(pid_t root, pid_t pid) { return Descendants({root}).count(pid) != 0; }

long TreeResidentKb(pid_t root) {
  long total = 0;
  for (pid_t pid : Descendants({root})) total += ResidentKb(pid);
  return total;
}

void AdoptOrphans() { prctl(PR_SET_CHILD_SUBREAPER, 1); }

bool EndProcessTree(pid_t root, const std::vector<pid_t>& spared, int graceMs, std::string* error) {
  std::set<pid_t> roots{root};
  pid_t self = getpid();
  for (const auto& [pid, parent] : Parents()) {
    if (parent == self && std::find(spared.begin(), spared.end(), pid) == spared.end())
      roots.insert(pid);
  }
  std::set<pid_t> tracked = Descendants(roots);
  tracked.insert(root);  // reaped even when it is already a zombie
  kill(root, SIGTERM);
  if (WaitUntilGone(tracked, graceMs)) return true;
  for (pid_t pid : tracked) kill(pid, SIGKILL);
  if (WaitUntilGone(tracked, graceMs)) return true;
  std::string names;
  for (pid_t pid : tracked) names += " " + CommandName(pid) + " (" + std::to_string(pid) + ")";
  *error = "still running after SIGKILL:" + names;
  return false;
}

int WaitForExit(pid_t pid, int timeoutMs) {
  for (int waited = 0;; waited += 10) {
    int status = 0;
    pid_t reaped = waitpid(pid, &status, WNOHANG);
    if (reaped == pid) return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    if (reaped < 0 || waited >= timeoutMs) return -1;
    SleepMs(10);
  }
}

}  // namespace bench
