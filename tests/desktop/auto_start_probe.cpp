// A copy of the program for the start-on-boot tests: a run on a given root
// folder as a given program file, as a standard or elevated user, that
// performs the given steps (query, set, clear) and prints the flag after
// each and the text of every box, one line each.
#include <cstdio>
#include <cstring>
#include <string>

#include "app/process_state.h"
#include "app/tessal_app.h"
#include "desktop/auto_start.h"
#include "platform/desktop/session.h"

const desktop::ResourceSet& AfxProgramResources();

int main(int argc, char** argv) {
  if (argc < 5) {
    std::fprintf(stderr, "usage: %s ROOT PROGRAM standard|elevated STEP...\n", argv[0]);
    return 2;
  }
  desktop::SessionOptions options;
  options.rootFolder = argv[1];
  options.programPath = argv[2];
  options.resources = &AfxProgramResources();
  desktop::Session session(std::move(options));
  session.SetElevatedUser(std::strcmp(argv[3], "elevated") == 0);
  theApp.SetCurrentHandles(GetModuleHandleA(nullptr));
  for (int i = 4; i < argc; ++i) {
    std::string step = argv[i];
    std::size_t boxes = session.boxes().size();
    if (step == "query") QueryAutoStart();
    else if (step == "set") SetAutoStart();
    else if (step == "clear") ClearAutoStart();
    else return 2;
    for (std::size_t b = boxes; b < session.boxes().size(); ++b) {
      std::printf("%s box %s\n", step.c_str(), session.boxes()[b].text.c_str());
    }
    std::printf("%s flag %d\n", step.c_str(), AutoStartEnabled);
  }
  return 0;
}
