// The real program's start against GTK and WebKitGTK doing the least that
// shows the same things, in one run, on one X server:
//
//   1. the launcher's first frame against a minimal GTK window's first
//      frame, both seen from outside by this process (x_damage_watch.cpp);
//   2. the login page's first paint (the web view's first draw after the
//      load was committed, as the program reports it with --timings)
//      against a plain WebKitGTK window's on the same page, each counted
//      from the moment the page was asked for: the launcher asks for it
//      when its one-second timer ticks, the plain window at once;
//   3. the resident memory of the program's process tree with the page
//      loaded, against the plain WebKitGTK window's.
//
// Every time counts from the moment just before this process forked the
// side. The program is a copy of the build's, packed with the demo site's
// login page (served on 127.0.0.1), started with a fresh root folder and a
// fresh home each round, as on a player's first start. Three rounds, each
// running every side once, one after the other; medians. The time ratios
// are the medians of each round's ratio (the sides of a round ran in the
// same conditions); the memory ratio is that of the medians. The last
// three lines are the ratios.
//
// usage: startup_bench [--program TESSAL]   (another build of the program,
// which takes --timings; an X server is started when DISPLAY is unset;
// on a display with a window manager, its frames count as the sides'
// windows, so the bench's own server is the one to trust)
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "baseline_windows.h"
#include "child_process.h"
#include "median.h"
#include "process_tree.h"
#include "startup_phases.h"
#include "x_damage_watch.h"

namespace {

namespace fs = std::filesystem;
using bench::BootClockMs;

constexpr int kRounds = 5;
constexpr int kAttempts = 3;       // per side and round, when a window was missed
constexpr int kWaitMs = 30000;     // for anything a process is to report
constexpr int kSettleMs = 2000;    // after the page is complete, before memory is read
constexpr int kEndGraceMs = 5000;  // for a process tree to end, per signal

const char kRequestPhase[] = "page requested";
const char kFirstPaintPhase[] = "page first paint";
const char kLoadedPhase[] = "page loaded";

struct Failure {
  std::string message;
};

// kPlainSoftware: the plain window with the program's own setting of no
// hardware acceleration, to tell what WebKit's default costs on its own.
enum class Side { kProgram, kMinimal, kPlain, kPlainSoftware };
constexpr int kSides = 4;

bool IsPlain(Side side) { return side == Side::kPlain || side == Side::kPlainSoftware; }

// Each side's name in the report and its folder, in the order of Side.
struct SideWords {
  const char* name;
  const char* folder;
};
constexpr SideWords kSideWords[kSides] = {
    {"program", "program"},
    {"minimal GTK window", "minimal"},
    {"plain WebKitGTK", "plain"},
    {"plain WebKitGTK without hardware acceleration", "plain-software"},
};

const char* SideName(Side side) { return kSideWords[static_cast<int>(side)].name; }
const char* SideFolder(Side side) { return kSideWords[static_cast<int>(side)].folder; }

// What one run of a side measured (ms from its fork; -1: not reported).
struct Sample {
  double frameMs = -1, requestMs = -1, paintMs = -1, completeMs = -1;
  long residentKb = 0;
  double forkBootMs = 0;
  std::vector<bench::StartupPhase> phases;
};

std::string Quote(const std::deque<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += "\n    " + line;
  return text.empty() ? "\n    (nothing)" : text;
}

std::string FileTail(const fs::path& file) {
  std::ifstream in(file);
  std::deque<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    lines.push_back(line);
    if (lines.size() > 12) lines.pop_front();
  }
  return Quote(lines);
}

// The bench's helpers: a folder for everything it writes, the X server
// when it brings its own, and the page server. All go when it ends.
class Services {
 public:
  ~Services() {
    while (!helpers_.empty()) {
      pid_t helper = helpers_.back();
      helpers_.pop_back();
      std::string error;
      if (!bench::EndProcessTree(helper, helpers_, kEndGraceMs, &error)) {
        std::fprintf(stderr, "startup_bench: %s\n", error.c_str());
      }
    }
    std::error_code ignored;
    if (!folder_.empty()) fs::remove_all(folder_, ignored);
  }

  const fs::path& folder() const { return folder_; }
  const std::vector<pid_t>& helpers() const { return helpers_; }

  void MakeFolder() {
    std::string pattern = (fs::temp_directory_path() / "startup_bench.XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw Failure{"cannot make a temporary folder"};
    folder_ = pattern;
  }

  // Xvfb on a free display number, which it writes once it is ready.
  void StartXServer() {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) throw Failure{"pipe failed"};
    bench::ChildOptions options;
    options.args = {"Xvfb",      "-displayfd", std::to_string(fds[1]),
                    "-screen",   "0",          "1280x800x24",
                    "-nolisten", "tcp"};
    options.pipeOut = options.pipeErr = false;
    options.logFile = (folder_ / "xvfb.log").string();
    options.keepOpen = fds[1];
    Start(options, "Xvfb");
    close(fds[1]);
    setenv("DISPLAY", (":" + FirstLine(fds[0], options, "Xvfb")).c_str(), 1);
  }

  // scripts/serve-site on the demo site; it prints its port.
  std::string StartPageServer() {
    bench::ChildOptions options;
    options.args = {"python3", TESSAL_SITE_SERVER, TESSAL_DEMO_SITE};
    options.pipeErr = false;
    options.logFile = (folder_ / "serve-site.log").string();
    bench::StartedChild child = Start(options, "the page server");
    return FirstLine(child.out, options, "the page server (scripts/serve-site)");
  }

 private:
  bench::StartedChild Start(const bench::ChildOptions& options, const std::string& name) {
    bench::StartedChild child;
    std::string error;
    bool started = bench::StartChild(options, &child, &error);
    if (child.pid > 0) helpers_.push_back(child.pid);
    if (!started) throw Failure{name + ": " + error};
    return child;
  }

  // The line a helper writes to `fd` once it is ready. The pipe stays
  // open as long as the helper runs.
  std::string FirstLine(int fd, const bench::ChildOptions& options, const std::string& name) {
    readers_.emplace_back(fd);
    std::string line;
    if (!readers_.back().ReadLine(kWaitMs, &line) || line.empty()) {
      throw Failure{name +
                    " did not get ready within 30 s; its output:" + FileTail(options.logFile)};
    }
    return line;
  }

  fs::path folder_;
  std::vector<pid_t> helpers_;
  std::vector<bench::LineReader> readers_;
};

// The program packed with `url` as its start page, as a player gets it.
fs::path PackProgram(const fs::path& folder, const std::string& built, const std::string& url) {
  fs::path program = folder / "Tessal";
  std::error_code error;
  fs::copy_file(built, program, error);
  if (error) throw Failure{"cannot copy " + built + ": " + error.message()};
  bench::ChildOptions options;
  options.args = {TESSAL_PACK, "write", program.string(), url};
  options.pipeOut = false;
  bench::StartedChild child;
  std::string message;
  if (!bench::StartChild(options, &child, &message)) {
    bench::WaitForExit(child.pid, kWaitMs);
    throw Failure{message};
  }
  bench::LineReader err(child.err);
  std::string line;
  while (err.ReadLine(kWaitMs, &line)) {
  }
  int code = bench::WaitForExit(child.pid, kWaitMs);
  if (code < 0 && kill(child.pid, SIGKILL) == 0) waitpid(child.pid, nullptr, 0);
  if (code != 0)
    throw Failure{"tessal-pack write failed (exit code " + std::to_string(code) +
                  "):" + Quote(err.tail())};
  return program;
}

// A fresh home for one run: the program writes launchers and autostart
// entries into the user's folders, and WebKit its caches.
std::vector<std::pair<std::string, std::string>> FreshHome(const fs::path& folder) {
  fs::path home = folder / "home";
  fs::create_directories(home);
  return {{"HOME", home.string()},
          {"XDG_CONFIG_HOME", (home / ".config").string()},
          {"XDG_DATA_HOME", (home / ".local" / "share").string()},
          {"XDG_CACHE_HOME", (home / ".cache").string()}};
}

class Bench {
 public:
  Bench(Services& services, std::string self, fs::path program, std::string url)
      : services_(services),
        self_(std::move(self)),
        program_(std::move(program)),
        url_(std::move(url)) {
    std::string error;
    if (!watch_.Open(&error)) throw Failure{error};
  }

  // One side in one round; repeated when the watcher missed a window.
  Sample Measure(Side side, int round) {
    for (int attempt = 1;; ++attempt) {
      std::optional<Sample> sample = RunOnce(side, round, attempt);
      if (sample) return *sample;
      if (attempt == kAttempts) {
        throw Failure{std::string(SideName(side)) +
                      ": a window was mapped before the bench could follow it, " +
                      std::to_string(kAttempts) + " times"};
      }
      std::fprintf(
          stderr,
          "startup_bench: %s, round %d: a window was mapped before the bench followed it; again\n",
          SideName(side), round);
    }
  }

 private:
  std::vector<std::string> Command(Side side, const fs::path& folder) const {
    switch (side) {
      case Side::kProgram: {
        fs::path root = folder / "root";
        fs::create_directories(root);
        return {program_.string(), "--root", root.string(), "--timings"};
      }
      case Side::kMinimal:
        return {TESSAL_MINIMAL_WINDOW};
      case Side::kPlain:
        return {self_, "--plain", url_};
      case Side::kPlainSoftware:
        return {self_, "--plain-software", url_};
    }
    return {};
  }

  // What is still to come from a side, in words; empty when all came.
  static std::string Missing(Side side, const Sample& s) {
    std::vector<std::string> missing;
    if (s.frameMs < 0) missing.push_back("its first frame");
    if (side == Side::kProgram && s.requestMs < 0)
      missing.push_back(std::string("\"") + kRequestPhase + "\"");
    if (side == Side::kProgram && s.paintMs < 0)
      missing.push_back(std::string("\"") + kFirstPaintPhase + "\"");
    if (side == Side::kProgram && s.completeMs < 0)
      missing.push_back(std::string("\"") + kLoadedPhase + "\"");
    if (IsPlain(side) && s.requestMs < 0) missing.push_back("its page's request");
    if (IsPlain(side) && s.paintMs < 0) missing.push_back("its page's first paint");
    if (IsPlain(side) && s.completeMs < 0) missing.push_back("its page's load finishing");
    std::string text;
    for (std::size_t i = 0; i < missing.size(); ++i) text += (i ? ", " : "") + missing[i];
    return text;
  }

  void Take(Side side, const std::string& line, Sample& s) {
    if (side == Side::kProgram) {
      std::optional<bench::StartupPhase> phase = bench::ParseStartupLine(line);
      if (!phase) return;
      if (phase->name == kRequestPhase && s.requestMs < 0)
        s.requestMs = phase->endBootMs - s.forkBootMs;
      if (phase->name == kFirstPaintPhase && s.paintMs < 0)
        s.paintMs = phase->endBootMs - s.forkBootMs;
      if (phase->name == kLoadedPhase && s.completeMs < 0)
        s.completeMs = phase->endBootMs - s.forkBootMs;
      s.phases.push_back(*phase);
    } else if (IsPlain(side)) {
      double at = 0;
      char what[16] = {};
      if (std::sscanf(line.c_str(), "%15s %lf", what, &at) != 2) return;
      if (std::string(what) == "request" && s.requestMs < 0) s.requestMs = at - s.forkBootMs;
      if (std::string(what) == "paint" && s.paintMs < 0) s.paintMs = at - s.forkBootMs;
      if (std::string(what) == "complete" && s.completeMs < 0) s.completeMs = at - s.forkBootMs;
    }
  }

  // Serves the child's output and the X server until `untilBootMs`, or
  // until `done` says so; false when the child exited first.
  template <typename Done>
  bool Serve(Side side, bench::StartedChild& child, bench::LineReader& out, bench::LineReader& err,
             Sample& s, double untilBootMs, Done done) {
    // The program's timings are on its standard error, the plain window's
    // reports on its standard output; the rest is drained.
    auto read = [&] {
      for (const std::string& line : out.ReadAvailable()) Take(side, line, s);
      for (const std::string& line : err.ReadAvailable()) Take(side, line, s);
    };
    while (!done() && BootClockMs() < untilBootMs) {
      pollfd fds[3] = {{watch_.fd(), POLLIN, 0}, {out.fd(), POLLIN, 0}, {err.fd(), POLLIN, 0}};
      int waitMs = static_cast<int>(std::min(50.0, std::max(0.0, untilBootMs - BootClockMs())));
      poll(fds, 3, waitMs);
      watch_.Dispatch();
      if (watch_.firstFrameBootMs() && s.frameMs < 0)
        s.frameMs = *watch_.firstFrameBootMs() - s.forkBootMs;
      read();
      if (watch_.missedAWindow()) return true;
      if (bench::HasExited(child)) {
        read();  // what it wrote last
        return false;
      }
    }
    return true;
  }

  std::optional<Sample> RunOnce(Side side, int round, int attempt) {
    fs::path folder = services_.folder() / ("round" + std::to_string(round) + "-" +
                                            SideFolder(side) + "-" + std::to_string(attempt));
    bench::ChildOptions options;
    options.environment = FreshHome(folder);
    options.args = Command(side, folder);
    std::string label = std::string(SideName(side)) + " (round " + std::to_string(round) + ")";

    watch_.Reset();
    bench::StartedChild child;
    std::string error;
    bool started = bench::StartChild(options, &child, &error);
    watch_.Follow(child.pid);
    Sample s;
    s.forkBootMs = child.forkBootMs;
    bench::LineReader out(child.out), err(child.err);
    auto end = [&] {
      std::string ended;
      if (child.pid > 0 &&
          !bench::EndProcessTree(child.pid, services_.helpers(), kEndGraceMs, &ended)) {
        throw Failure{label + ": " + ended};
      }
    };
    if (!started) {
      end();
      throw Failure{label + ": " + error};
    }

    bool needsMemory = side != Side::kMinimal;
    bool alive = Serve(side, child, out, err, s, s.forkBootMs + kWaitMs,
                       [&] { return Missing(side, s).empty() || watch_.missedAWindow(); });
    if (alive && watch_.missedAWindow()) {
      end();
      return std::nullopt;
    }
    std::string missing = Missing(side, s);
    if (alive && missing.empty() && needsMemory) {
      alive = Serve(side, child, out, err, s, BootClockMs() + kSettleMs, [] { return false; });
      if (alive) s.residentKb = bench::TreeResidentKb(child.pid);
    }
    if (!alive) {
      std::string code = child.exitCode >= 0 ? "exited with code " + std::to_string(child.exitCode)
                                             : std::string("was ended by a signal");
      std::string hint = side == Side::kProgram && child.exitCode == 2
                             ? " (code 2: it refused its options; the bench needs --timings)"
                             : "";
      end();
      throw Failure{label + ": " + code + hint + (missing.empty() ? "" : " before " + missing) +
                    "; its last lines on standard error:" + Quote(err.tail()) +
                    "\n  and on standard output:" + Quote(out.tail())};
    }
    end();
    if (!missing.empty()) {
      throw Failure{label + ": " + std::to_string(kWaitMs / 1000) + " s passed without " + missing +
                    "; its last lines on standard error:" + Quote(err.tail())};
    }
    return s;
  }

  Services& services_;
  std::string self_;
  fs::path program_;
  std::string url_;
  bench::FirstFrameWatch watch_;
};

double MedianOf(const std::vector<Sample>& samples, double Sample::*field) {
  std::vector<double> values;
  for (const Sample& s : samples) values.push_back(s.*field);
  return bench::Median(values);
}

// The median over the rounds of `top(program) / bottom(baseline)`.
template <typename Top, typename Bottom>
double MedianRatio(const std::vector<Sample>& program, const std::vector<Sample>& baseline, Top top,
                   Bottom bottom) {
  std::vector<double> values;
  for (std::size_t i = 0; i < program.size() && i < baseline.size(); ++i) {
    values.push_back(top(program[i]) / bottom(baseline[i]));
  }
  return bench::Median(values);
}

double FrameMs(const Sample& s) { return s.frameMs; }
double PaintAfterRequestMs(const Sample& s) { return s.paintMs - s.requestMs; }

// From the page's request to its first paint.
double MedianPaintAfterRequest(const std::vector<Sample>& samples) {
  std::vector<double> values;
  for (const Sample& s : samples) values.push_back(PaintAfterRequestMs(s));
  return bench::Median(values);
}

double MedianMb(const std::vector<Sample>& samples) {
  std::vector<double> values;
  for (const Sample& s : samples) values.push_back(static_cast<double>(s.residentKb) / 1024.0);
  return bench::Median(values);
}

void Report(const std::string& url, const std::vector<Sample> (&runs)[kSides]) {
  const std::vector<Sample>& program = runs[static_cast<int>(Side::kProgram)];
  const std::vector<Sample>& minimal = runs[static_cast<int>(Side::kMinimal)];
  const std::vector<Sample>& plain = runs[static_cast<int>(Side::kPlain)];
  const std::vector<Sample>& software = runs[static_cast<int>(Side::kPlainSoftware)];
  std::printf("page: %s\n", url.c_str());
  std::printf("%d rounds, medians, in ms from each process's fork:\n", kRounds);
  std::printf(
      "program (Tessal --root FRESH --timings): first frame %.1f ms, page requested %.1f ms, "
      "page first paint %.1f ms (%.1f ms after the request), document complete %.1f ms, "
      "resident %.1f MB\n",
      MedianOf(program, &Sample::frameMs), MedianOf(program, &Sample::requestMs),
      MedianOf(program, &Sample::paintMs), MedianPaintAfterRequest(program),
      MedianOf(program, &Sample::completeMs), MedianMb(program));
  bench::PhaseMedians phases;
  for (const Sample& s : program) {
    phases.BeginRun(s.forkBootMs);
    for (const bench::StartupPhase& phase : s.phases) phases.Add(phase);
  }
  std::printf("  its startup phases:\n");
  phases.Print(stdout, "    ");
  std::printf("minimal GTK window: first frame %.1f ms\n", MedianOf(minimal, &Sample::frameMs));
  std::printf(
      "plain WebKitGTK: first frame %.1f ms, page requested %.1f ms, first paint %.1f ms (%.1f ms "
      "after the request), document complete %.1f ms, resident %.1f MB\n",
      MedianOf(plain, &Sample::frameMs), MedianOf(plain, &Sample::requestMs),
      MedianOf(plain, &Sample::paintMs), MedianPaintAfterRequest(plain),
      MedianOf(plain, &Sample::completeMs), MedianMb(plain));
  std::printf(
      "plain WebKitGTK without hardware acceleration (as the program): first paint %.1f ms "
      "(%.1f ms after the request), document complete %.1f ms, resident %.1f MB\n",
      MedianOf(software, &Sample::paintMs), MedianPaintAfterRequest(software),
      MedianOf(software, &Sample::completeMs), MedianMb(software));
  std::printf("  against it: page first paint after its request %.2f, resident memory %.2f\n",
              MedianRatio(program, software, PaintAfterRequestMs, PaintAfterRequestMs),
              MedianMb(program) / MedianMb(software));
  std::printf("launcher first frame / minimal GTK window first frame: %.2f\n",
              MedianRatio(program, minimal, FrameMs, FrameMs));
  std::printf("page first paint after its request / plain WebKitGTK's: %.2f\n",
              MedianRatio(program, plain, PaintAfterRequestMs, PaintAfterRequestMs));
  std::printf("resident memory / plain WebKitGTK: %.2f\n", MedianMb(program) / MedianMb(plain));
}

// This program's file, to start its own sides.
std::string OwnFile() {
  char buffer[PATH_MAX] = {};
  ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (n <= 0) throw Failure{"cannot read /proc/self/exe"};
  return std::string(buffer, static_cast<std::size_t>(n));
}

int RunBench(const std::string& built) {
  bench::AdoptOrphans();
  Services services;
  services.MakeFolder();
  // The sides go to X11 even on a Wayland session: the watcher sees them there.
  unsetenv("WAYLAND_DISPLAY");
  setenv("GDK_BACKEND", "x11", 1);
  if (!getenv("DISPLAY") || !*getenv("DISPLAY")) services.StartXServer();
  std::string url = "http://127.0.0.1:" + services.StartPageServer() + "/login.html";
  fs::path program = PackProgram(services.folder(), built, url);

  Bench bench(services, OwnFile(), program, url);
  std::vector<Sample> runs[kSides];
  for (int round = 1; round <= kRounds; ++round) {
    std::fprintf(stderr, "startup_bench: round %d of %d\n", round, kRounds);
    for (Side side : {Side::kProgram, Side::kMinimal, Side::kPlain, Side::kPlainSoftware}) {
      runs[static_cast<int>(side)].push_back(bench.Measure(side, round));
    }
  }
  Report(url, runs);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::string mode = argc > 1 ? argv[1] : "";
  if (argc == 3 && mode == "--plain") return bench::RunPlainWebView(argv[2], false);
  if (argc == 3 && mode == "--plain-software") return bench::RunPlainWebView(argv[2], true);
  // Another build of the program (one that takes --timings) may be
  // measured instead of this build's, to compare two versions in one run.
  std::string built = TESSAL_PROGRAM;
  if (argc == 3 && mode == "--program") built = argv[2];
  if (argc != 1 && !(argc == 3 && mode == "--program")) {
    std::fprintf(stderr,
                 "usage: %s [--program TESSAL]   (--plain[-software] URL are its own sides)\n",
                 argv[0]);
    return 2;
  }
  try {
    return RunBench(built);
  } catch (const Failure& failure) {
    std::fprintf(stderr, "startup_bench: %s\n", failure.message.c_str());
    return 1;
  }
}
