// tessal-sim: runs the real program headless from a scenario file and
// prints what happened.
#include <iostream>

#include "tools/sim/run.h"

int main(int argc, char** argv) { return sim::RunCommandLine(argc, argv, std::cout, std::cerr); }
