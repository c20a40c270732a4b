// tessal-theme: an operator's tool for the program's look.
//   tessal-theme check DIR              names every fault of a theme folder
//   tessal-theme new DIR                writes the default theme there
//   tessal-theme title DIR              prints the theme's game title
//   tessal-theme files                  lists the files a theme holds
//   tessal-theme icons DIR OUT NAME     the icon as OUT/SIZExSIZE/apps/NAME.png
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "tools/theme/theme_commands.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  theme::CommandResult result = theme::RunCommand(args);
  std::fputs(result.out.c_str(), stdout);
  std::fputs(result.err.c_str(), stderr);
  return result.exitCode;
}
