#include "tools/sim/run.h"

#include <memory>

#include "fw/app.h"
#include "platform/desktop/codepage.h"
#include "platform/desktop/headless_host.h"
#include "platform/desktop/session.h"
#include "platform/desktop/state.h"
#include "tools/sim/actions.h"
#include "tools/sim/setup.h"
#include "tools/sim/transcript.h"

// The program's resources, compiled from res/.
const desktop::ResourceSet& AfxProgramResources();

namespace sim {
namespace {

const char kUsage[] =
    "usage: tessal-sim [--root DIR] [--times] [--log] SCENARIO.json\n"
    "Runs the program headless on the portable desktop as the scenario says and\n"
    "prints what happened, one JSON object a line (docs/tessal-sim.md).\n"
    "  --root DIR   folder that holds drive C: and the registry (default: a fresh\n"
    "               temporary folder, removed at the end)\n"
    "  --times      add \"t\", the virtual milliseconds since start, to each line\n"
    "  --log        also print the desktop's running commentary on standard error\n"
    "Exit status: 0 when every action could be done, 1 when some could not\n"
    "(each is an \"error\" line), 2 when the scenario is refused.\n";

desktop::SessionOptions OptionsFor(const Scenario& scenario, const RunOptions& options,
                                   std::unique_ptr<desktop::HeadlessHost> host) {
  desktop::SessionOptions session;
  session.rootFolder = options.rootFolder;
  session.programPath = desktop::Utf8ToCp936(scenario.program);
  session.resources = &AfxProgramResources();
  session.screenWidth = scenario.screenWidth;
  session.screenHeight = scenario.screenHeight;
  session.workArea = RECT{scenario.workArea[0], scenario.workArea[1], scenario.workArea[2],
                          scenario.workArea[3]};
  session.host = std::move(host);
  if (options.log) {
    std::ostream* log = options.log;
    session.transcriptSink = [log](const std::string& line) { *log << line << '\n'; };
  }
  return session;
}

// What the run holds alive: the drawing objects made (stock ones not
// counted) and the windows.
LeftOver LiveNow(desktop::Session& session) {
  return LeftOver{static_cast<int>(::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS)),
                  static_cast<int>(session.state().windows.size())};
}

}  // namespace

int RunScenario(const Scenario& scenario, const RunOptions& options, std::ostream& out) {
  auto ownedHost = std::make_unique<desktop::HeadlessHost>();
  desktop::HeadlessHost& host = *ownedHost;
  desktop::Session session(OptionsFor(scenario, options, std::move(ownedHost)));
  session.SetElevatedUser(scenario.elevatedUser);
  session.SetWindowsVersion(scenario.versionMajor, scenario.versionMinor);
  session.SetScriptedSite(std::make_shared<const desktop::web::ScriptedSite>(scenario.site));
  ApplySetup(scenario, session);

  Transcript transcript(out, [&host] { return host.Now(); }, options.withTimes);
  session.SetEventObserver(&transcript);
  transcript.Start(scenario.program, scenario.startPage);
  QueueActions(scenario.actions, host, transcript);
  LeftOver before = LiveNow(session);
  AfxWinMain(::GetModuleHandleA(nullptr), nullptr, nullptr, SW_SHOWDEFAULT);
  LeftOver after = LiveNow(session);
  transcript.Exit(LeftOver{after.gdiObjects - before.gdiObjects, after.windows - before.windows});
  transcript.FinalState();
  session.SetEventObserver(nullptr);
  return transcript.anyActionFailed() ? kSomeActionFailed : kRunOk;
}

int RunCommandLine(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
  RunOptions options;
  std::string scenarioFile;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      out << kUsage;
      return kRunOk;
    } else if (arg == "--root" && i + 1 < argc) {
      options.rootFolder = argv[++i];
    } else if (arg == "--times") {
      options.withTimes = true;
    } else if (arg == "--log") {
      options.log = &err;
    } else if (scenarioFile.empty() && !arg.empty() && arg[0] != '-') {
      scenarioFile = arg;
    } else {
      err << "tessal-sim: unknown or incomplete option \"" << arg << "\"\n" << kUsage;
      return kRefused;
    }
  }
  if (scenarioFile.empty()) {
    err << "tessal-sim: no scenario given\n" << kUsage;
    return kRefused;
  }
  try {
    Scenario scenario = LoadScenario(scenarioFile);
    return RunScenario(scenario, options, out);
  } catch (const ScenarioError& e) {
    err << "tessal-sim: " << scenarioFile << ": " << e.what() << '\n';
  } catch (const SetupError& e) {
    err << "tessal-sim: " << scenarioFile << ": " << e.what() << '\n';
  }
  return kRefused;
}

}  // namespace sim
