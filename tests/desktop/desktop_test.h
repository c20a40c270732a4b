// The fixture of the desktop-integration tests: a headless run of the real
// program code whose framework boxes carry the program's name, with small
// helpers for the run's folders.
#pragma once

#include <string>

#include "app/tessal_app.h"
#include "tests/support/platform_test.h"

const desktop::ResourceSet& AfxProgramResources();

class DesktopTest : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    theApp.SetCurrentHandles(GetModuleHandleA(nullptr));
  }
  const desktop::ResourceSet* Resources() override { return &AfxProgramResources(); }

  static std::string SpecialFolder(int csidl) {
    char path[MAX_PATH] = {};
    SHGetSpecialFolderPathA(nullptr, path, csidl, FALSE);
    return path;
  }
  static bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
  }
};
