// Where the time of a start goes: the phases of a run from the process
// start to the login page, printed on standard error when the run asks for
// them (tessal --timings), one line each as it ends:
//
//   startup:    41.3 ..    88.0 ms  gtk init  [boot 123456.7 123503.4]
//
// in milliseconds since the process started (as the kernel records it: to
// its clock tick), with the same two moments on the boot clock for a tool
// that times the run from outside. A phase that comes in pieces (each
// picture decoded, each region built) is summed instead, and printed with
// its first start, its last end, the time spent in it and the count of
// pieces when the launcher's first frame is drawn and when the recording
// ends. Recording ends with the login page loaded; until enabled, nothing is
// recorded and the calls cost a test of a flag.
#pragma once

namespace desktop::startup {

void Enable();
bool Enabled();

// The boot clock (CLOCK_BOOTTIME) in milliseconds.
double BootClockMs();

// A phase that began at `startBootMs` (BootClockMs) and ends now.
void Phase(const char* name, double startBootMs);
// A moment: a phase of no length.
void Moment(const char* name);
// A piece of a summed phase that began at `startBootMs` and ends now.
void Piece(const char* name, double startBootMs);
// Prints the summed phases gathered since the last print.
void PrintSums();
// Prints what is left and stops recording.
void Finish();

// A phase (or with `piece`, a piece of a summed phase) as long as the scope.
class Scope {
 public:
  explicit Scope(const char* name, bool piece = false)
      : name_(name), piece_(piece), start_(Enabled() ? BootClockMs() : 0) {}
  ~Scope();
  Scope(const Scope&) = delete;
  Scope& operator=(const Scope&) = delete;

 private:
  const char* name_;
  bool piece_;
  double start_;
};

}  // namespace desktop::startup
