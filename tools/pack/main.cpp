#include <cstdio>

#include "tools/pack/pack.h"

int main(int argc, char** argv) {
  tessal_pack::Result result = tessal_pack::Run(argc, argv);
  std::fputs(result.out.c_str(), stdout);
  std::fputs(result.err.c_str(), stderr);
  return result.exitCode;
}
