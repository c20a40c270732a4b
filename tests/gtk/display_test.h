// The fixture of the display tests: a private X server (Xvfb, started once
// for the test program), GTK on it, and a run of the portable desktop whose
// host is the GTK host. Waits are bounded and end on the awaited event.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/win32api.h"

namespace desktop {
class Session;
struct ResourceSet;
namespace gtk {
class GtkHost;
}
}  // namespace desktop

class DisplayTest : public ::testing::Test {
 public:
  DisplayTest();
  ~DisplayTest() override;

 protected:
  static void SetUpTestSuite();
  void SetUp() override;
  void TearDown() override;
  virtual const desktop::ResourceSet* Resources() { return nullptr; }

  desktop::gtk::GtkHost& host() { return *host_; }
  // Dispatches messages and runs the loops until `done` holds; false when
  // it still does not after `boundMs` of the real clock.
  bool PumpUntil(const std::function<bool()>& done, DWORD boundMs = 30000);
  // The colour the X server shows at a screen point.
  static COLORREF ScreenPixel(int x, int y);
  // Moves the real pointer (XTest).
  static void MovePointer(int x, int y);
  // Moves the real pointer and clicks the left button there (XTest).
  static void ClickScreen(int x, int y);
  // Presses and releases keys on the real keyboard (XTest, X key symbols,
  // which GDK's key values equal) once `afterMs` have passed in the loop.
  static void PressKeysLater(std::vector<unsigned> keySymbols, unsigned afterMs);
  // Writes what the X server shows into a PNG file in the build folder.
  static void SaveScreen(const std::string& name);

 private:
  std::unique_ptr<desktop::Session> session_;
  desktop::gtk::GtkHost* host_ = nullptr;
};

// The tests' page server: serves a folder (tests/gtk/site unless told) on
// 127.0.0.1, at a free port, while it lives.
class SiteServer {
 public:
  explicit SiteServer(const char* folder = TESSAL_SITE_FOLDER);
  ~SiteServer();
  SiteServer(const SiteServer&) = delete;
  SiteServer& operator=(const SiteServer&) = delete;
  std::string Address(const std::string& page) const;

 private:
  int pid_ = -1;
  int input_ = -1;
  int port_ = 0;
};
