#include "tests/skin/skin_frame_test.h"

void SkinFrameTest::SetUp() {
  PlatformTest::SetUp();
  session().SetScreen(1920, 1080, RECT{0, 0, 1920, 1080});
  app_.SetCurrentHandles(GetModuleHandleA(nullptr));
  gdiAtStart_ = LiveGdiObjects();
  dialog_ = std::make_unique<TestSkinDialog>();
}

void SkinFrameTest::TearDown() {
  if (dialog_->m_hWnd) dialog_->DestroyWindow();
  dialog_.reset();
  CGdiObject::DeleteTempMap();
  CDC::DeleteTempMap();
  // Every scenario ends with the drawing objects it started with: the
  // buttons went with the window, the pieces with the object.
  EXPECT_EQ(LiveGdiObjects(), gdiAtStart_);
  PlatformTest::TearDown();
}

void SkinFrameTest::Open(int x, int y, int width, int height) {
  ASSERT_TRUE(dialog_->Create(kSkinDialogTemplate));
  dialog_->SetWindowPos(nullptr, x, y, width, height, SWP_NOZORDER);
  dialog_->ShowWindow(SW_SHOW);
  Pump();
  dialog_->seen.clear();
}

RECT SkinFrameTest::WindowRect() const {
  RECT r{};
  ::GetWindowRect(dialog_->m_hWnd, &r);
  return r;
}

RECT SkinFrameTest::ClientOnScreen() const {
  RECT r{};
  ::GetClientRect(dialog_->m_hWnd, &r);
  POINT origin{0, 0};
  ::ClientToScreen(dialog_->m_hWnd, &origin);
  return RECT{origin.x, origin.y, origin.x + r.right, origin.y + r.bottom};
}

POINT SkinFrameTest::OnScreen(POINT windowPoint) const {
  RECT w = WindowRect();
  return POINT{w.left + windowPoint.x, w.top + windowPoint.y};
}

POINT SkinFrameTest::CentreOf(const RECT& r) const {
  return OnScreen(POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
}

COLORREF SkinFrameTest::PixelAt(int x, int y) const {
  HDC dc = ::GetWindowDC(dialog_->m_hWnd);
  COLORREF pixel = ::GetPixel(dc, x, y);
  ::ReleaseDC(dialog_->m_hWnd, dc);
  return pixel;
}

void SkinFrameTest::RunUser() {
  MSG msg;
  while (::GetMessageA(&msg, nullptr, 0, 0)) {
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
}

std::string Show(const RECT& r) {
  return "(" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " +
         std::to_string(r.right) + ", " + std::to_string(r.bottom) + ")";
}
