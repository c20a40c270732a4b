// A process and everything it started (WebKit's helper processes, for
// one): which processes they are, their resident memory, and ending them.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace bench {

// `root` and all its descendants that are alive now.
std::vector<pid_t> ProcessTree(pid_t root);

// Whether `pid` is `root` or one of its descendants.
bool InProcessTree(pid_t root, pid_t pid);

// Resident kilobytes (VmRSS) of `root` and all its descendants.
long TreeResidentKb(pid_t root);

// Makes this process the reaper of its descendants' orphans: a helper
// that outlives the process that started it stays findable here.
void AdoptOrphans();

// Ends `root` and all its descendants: SIGTERM to `root`, up to `graceMs`
// for the whole tree to go, then SIGKILL to whatever is left and up to
// `graceMs` more, reaping what was handed to this process. Orphans handed
// to this process count as part of the tree, except those in `spared` (its
// other children). Returns false with a message naming what survived.
bool EndProcessTree(pid_t root, const std::vector<pid_t>& spared, int graceMs, std::string* error);

// Waits up to `timeoutMs` for the child `pid` to exit; its exit code, or
// -1 when it has not exited (or was ended by a signal).
int WaitForExit(pid_t pid, int timeoutMs);

}  // namespace bench
