// The program's entry point on the portable desktop: sets up a run (its
// root folder, the program file it runs as, and either the machine's
// display or the scripted user), runs the application, and prints the
// run's transcript as it happens.
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>

#include "fw/app.h"
#include "platform/desktop/display_host.h"
#include "platform/desktop/headless_host.h"
#include "platform/desktop/script.h"
#include "platform/desktop/session.h"
#include "platform/desktop/startup_timings.h"

// The program's resources, compiled from res/.
const desktop::ResourceSet& AfxProgramResources();

namespace {

const char kUsage[] =
    "usage: %s [--root DIR] [--program WINDOWS-PATH] [--headless] [--script STEPS] [--quiet]\n"
    "Runs the program on the portable desktop and prints what happens: on the\n"
    "display when this build has one and no script is given, else headless.\n"
    "  --root DIR        folder that holds drive C: (default: on the display\n"
    "                    $XDG_DATA_HOME/tessal, headless a fresh temporary folder)\n"
    "  --program PATH    the program file as the program sees it (default: this file,\n"
    "                    as Z:\\... the way Wine maps the real root)\n"
    "  --headless        no display, even when one is there\n"
    "  --script STEPS    the user's actions (headless), e.g. \"wait 1500; key alt+f4\"\n"
    "                    (wait MS, key NAME, key alt+NAME, answer ok|cancel|yes|no [after MS],\n"
    "                    move X Y, click X Y: the mouse, in screen pixels,\n"
    "                    menu COMMAND-ID|dismiss [after MS])\n"
    "  --quiet           print nothing but errors\n"
    "  --timings         print where the start's time goes on standard error, in ms\n"
    "                    since the process started, until the login page is loaded\n";

// This file as a Windows path on drive Z:.
std::string OwnPathOnDriveZ() {
  char buffer[PATH_MAX] = {};
  ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  std::string path = n > 0 ? std::string(buffer, static_cast<std::size_t>(n)) : "/tessal";
  for (char& c : path) if (c == '/') c = '\\';
  return "Z:" + path;
}

// The folder a run on the display keeps: tessal under the user's data folder.
std::string PersistentRoot() {
  const char* data = std::getenv("XDG_DATA_HOME");
  const char* home = std::getenv("HOME");
  std::string base = data && *data ? data : std::string(home ? home : "/tmp") + "/.local/share";
  return base + "/tessal";
}

}  // namespace

int main(int argc, char** argv) {
  desktop::SessionOptions options;
  options.programPath = OwnPathOnDriveZ();
  std::string script;
  bool scripted = false;
  bool headless = false;
  bool quiet = false;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    bool hasValue = i + 1 < argc;
    if (arg == "--help" || arg == "-h") {
      std::printf(kUsage, argv[0]);
      return 0;
    } else if (arg == "--root" && hasValue) {
      options.rootFolder = argv[++i];
    } else if (arg == "--program" && hasValue) {
      options.programPath = argv[++i];
    } else if (arg == "--script" && hasValue) {
      script = argv[++i];
      scripted = true;
    } else if (arg == "--headless") {
      headless = true;
    } else if (arg == "--quiet") {
      quiet = true;
    } else if (arg == "--timings") {
      desktop::startup::Enable();
    } else {
      std::fprintf(stderr, "%s: unknown or incomplete option \"%s\"\n", argv[0], arg.c_str());
      std::fprintf(stderr, kUsage, argv[0]);
      return 2;
    }
  }

  bool rootGiven = !options.rootFolder.empty();
  bool onDisplay = !scripted && !headless && desktop::UseDisplayHost(options);
  if (onDisplay) {
    // A player's run keeps its drive C: (registry, shortcuts) from run to run.
    if (!rootGiven) options.rootFolder = PersistentRoot();
    // The desktop's launchers for this run open the same root.
    if (rootGiven) {
      std::error_code ignored;
      std::string root = std::filesystem::absolute(options.rootFolder, ignored).string();
      options.relaunchArguments = {"--root", root.empty() ? options.rootFolder : root};
    }
  } else {
    auto host = std::make_unique<desktop::HeadlessHost>();
    std::string error;
    if (!desktop::ParseScript(script, *host, &error)) {
      std::fprintf(stderr, "%s: --script: %s\n", argv[0], error.c_str());
      return 2;
    }
    options.host = std::move(host);
  }
  const desktop::Host* clock = options.host.get();
  options.resources = &AfxProgramResources();
  if (!quiet) {
    options.transcriptSink = [clock](const std::string& line) {
      std::printf("[%6u ms] %s\n", static_cast<unsigned>(clock->Now()), line.c_str());
      std::fflush(stdout);
    };
  }
  std::optional<desktop::Session> session;
  {
    desktop::startup::Scope timing("desktop set up");
    session.emplace(std::move(options));
  }
  int code = AfxWinMain(::GetModuleHandleA(nullptr), nullptr, nullptr, SW_SHOWDEFAULT);
  desktop::startup::Finish();  // a run that ended before its page was loaded
  if (!quiet) std::printf("[%6u ms] the program ended with code %d\n", static_cast<unsigned>(clock->Now()), code);
  return code;
}
