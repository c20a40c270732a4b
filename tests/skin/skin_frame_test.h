// The fixture of the skinned frame's tests: a small subclass of the frame
// on the program's own dialog template, on a 1920 x 1080 headless screen.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "fw/afx.h"
#include "platform/desktop/session.h"
#include "skin/skin_dialog_base.h"
#include "tests/support/gdi_objects.h"
#include "tests/support/platform_test.h"

const desktop::ResourceSet& AfxProgramResources();

// Records the caption buttons it is told of and the messages it sees,
// then does what the frame does.
class TestSkinDialog : public CSkinDialogBase {
 public:
  std::vector<int> clicked;
  std::vector<MSG> seen;
  std::function<void()> afterOwnDestroy;  // runs at the end of the frame's OnDestroy
  void OnCaptionButton(int id) override {
    clicked.push_back(id);
    CSkinDialogBase::OnCaptionButton(id);
  }
  std::vector<WPARAM> SeenOf(UINT message) const {
    std::vector<WPARAM> found;
    for (const MSG& m : seen) {
      if (m.message == message) found.push_back(m.wParam);
    }
    return found;
  }

 protected:
  void OnDestroy() override {
    CSkinDialogBase::OnDestroy();
    if (afterOwnDestroy) afterOwnDestroy();
  }
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    seen.push_back(MSG{m_hWnd, message, wParam, lParam, 0, {0, 0}});
    if (message == WM_PAINT) {
      // The client area black, as the game page's background will be.
      PAINTSTRUCT ps;
      HDC dc = ::BeginPaint(m_hWnd, &ps);
      ::FillRect(dc, &ps.rcPaint, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
      ::EndPaint(m_hWnd, &ps);
      return 0;
    }
    return CSkinDialogBase::WindowProc(message, wParam, lParam);
  }
};

class SkinFrameTest : public PlatformTest {
 protected:
  void SetUp() override;
  void TearDown() override;
  const desktop::ResourceSet* Resources() override { return &AfxProgramResources(); }

  // Creates the dialog, places it at (x, y) with an outer size of
  // width x height and shows it.
  void Open(int x, int y, int width, int height);
  // Screen point of a window point.
  POINT OnScreen(POINT windowPoint) const;
  POINT CentreOf(const RECT& windowRect) const;
  RECT WindowRect() const;
  RECT ClientOnScreen() const;
  // The window's own pixel at a window point (0x00BBGGRR).
  COLORREF PixelAt(int x, int y) const;
  // Runs the thread's loop until the test user is done.
  void RunUser();

  CWinApp app_;
  TestSkinDialog& dialog() { return *dialog_; }
  std::unique_ptr<TestSkinDialog> dialog_;
  DWORD gdiAtStart_ = 0;
};

std::string Show(const RECT& r);
