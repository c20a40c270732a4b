// The program's entry point on Windows.
#include "fw/app.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show) {
  return AfxWinMain(instance, previous, commandLine, show);
}
