// tessal-rcgen [OUTPUT]: writes the resource script (default: standard output).
#include <cstdio>
#include <fstream>
#include <iostream>

#include "tools/rcgen/rc_writer.h"

const desktop::ResourceSet& AfxProgramResources();

int main(int argc, char** argv) {
  std::string script = WriteResourceScript(AfxProgramResources());
  if (argc < 2) {
    std::cout << script;
    return 0;
  }
  std::ofstream out(argv[1], std::ios::binary);
  out << script;
  if (!out) {
    std::fprintf(stderr, "tessal-rcgen: cannot write %s\n", argv[1]);
    return 2;
  }
  return 0;
}
