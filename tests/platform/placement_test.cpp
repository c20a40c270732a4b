// Maximising and window placement: the maximised rectangle, what the window
// is told and may change first, and the placement round trip.
#include "tests/support/message_log.h"
#include "tests/support/platform_test.h"

namespace {

MINMAXINFO g_seen{};      // what the window was told
MINMAXINFO g_answer{};    // what it answers instead, when set
bool g_changeMaximised = false;

LRESULT CALLBACK MinMaxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_GETMINMAXINFO) {
    auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
    g_seen = *info;
    if (g_changeMaximised) {
      info->ptMaxPosition = g_answer.ptMaxPosition;
      info->ptMaxSize = g_answer.ptMaxSize;
    }
    return 0;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

class PlacementTest : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    RegisterTestClass("MinMax", MinMaxProc);
    g_changeMaximised = false;
  }
  HWND Create(DWORD style, RECT r = {100, 100, 500, 400}) {
    return CreateWindowExA(0, "MinMax", "placed", style, r.left, r.top, r.right - r.left,
                           r.bottom - r.top, nullptr, nullptr, nullptr, nullptr);
  }
  static int SizingFrame() {
    return GetSystemMetrics(SM_CXFRAME) + GetSystemMetrics(SM_CXPADDEDBORDER);
  }
};

RECT WindowRect(HWND hwnd) {
  RECT r;
  GetWindowRect(hwnd, &r);
  return r;
}

::testing::AssertionResult SameRect(const RECT& expected, const RECT& actual) {
  if (expected.left == actual.left && expected.top == actual.top &&
      expected.right == actual.right && expected.bottom == actual.bottom) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure()
         << "expected (" << expected.left << ", " << expected.top << ", " << expected.right << ", "
         << expected.bottom << "), got (" << actual.left << ", " << actual.top << ", "
         << actual.right << ", " << actual.bottom << ")";
}

// The window hears the screen's defaults before it is maximised; left
// alone, it covers the work area with its frame hanging over every edge.
TEST_F(PlacementTest, MaximisingAsksTheWindowAndCoversTheWorkAreaWithTheFrameOutside) {
  HWND hwnd = Create(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  int frame = SizingFrame();
  g_seen = MINMAXINFO{};
  ShowWindow(hwnd, SW_SHOWMAXIMIZED);
  EXPECT_EQ(g_seen.ptMaxPosition.x, -frame);
  EXPECT_EQ(g_seen.ptMaxPosition.y, -frame);
  EXPECT_EQ(g_seen.ptMaxSize.x, GetSystemMetrics(SM_CXSCREEN) + 2 * frame);
  EXPECT_EQ(g_seen.ptMaxSize.y, GetSystemMetrics(SM_CYSCREEN) + 2 * frame);
  RECT work;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_TRUE(SameRect(RECT{work.left - frame, work.top - frame, work.right + frame,
                            work.bottom + frame},
                       WindowRect(hwnd)));
  DestroyWindow(hwnd);
}

TEST_F(PlacementTest, AMaximisedWindowGoesWhereItsMinMaxAnswerSays) {
  HWND hwnd = Create(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  g_changeMaximised = true;
  g_answer.ptMaxPosition = POINT{50, 40};
  g_answer.ptMaxSize = POINT{800, 600};
  ShowWindow(hwnd, SW_SHOWMAXIMIZED);
  EXPECT_TRUE(IsZoomed(hwnd));
  EXPECT_TRUE(SameRect(RECT{50, 40, 850, 640}, WindowRect(hwnd)));
  DestroyWindow(hwnd);
}

TEST_F(PlacementTest, PlacementRoundTrip) {
  HWND hwnd = Create(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  RECT work;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  // Top-level windows give their normal rectangle in work-area coordinates.
  RECT normal{100 - work.left, 100 - work.top, 500 - work.left, 400 - work.top};

  WINDOWPLACEMENT wp{};
  wp.length = sizeof wp;
  ASSERT_TRUE(GetWindowPlacement(hwnd, &wp));
  EXPECT_EQ(wp.showCmd, static_cast<UINT>(SW_SHOWNORMAL));
  EXPECT_TRUE(SameRect(normal, wp.rcNormalPosition));

  ShowWindow(hwnd, SW_SHOWMAXIMIZED);
  ASSERT_TRUE(GetWindowPlacement(hwnd, &wp));
  EXPECT_EQ(wp.showCmd, static_cast<UINT>(SW_SHOWMAXIMIZED));
  EXPECT_TRUE(SameRect(normal, wp.rcNormalPosition));  // the rectangle to restore to

  ShowWindow(hwnd, SW_SHOWMINIMIZED);
  ASSERT_TRUE(GetWindowPlacement(hwnd, &wp));
  EXPECT_EQ(wp.showCmd, static_cast<UINT>(SW_SHOWMINIMIZED));
  EXPECT_EQ(wp.flags & WPF_RESTORETOMAXIMIZED, static_cast<UINT>(WPF_RESTORETOMAXIMIZED));

  // SW_SHOWNORMAL restores a maximised window to the normal rectangle given.
  ShowWindow(hwnd, SW_RESTORE);
  EXPECT_TRUE(IsZoomed(hwnd));  // minimised from maximised: restored maximised
  wp.flags = 0;
  wp.showCmd = SW_SHOWNORMAL;
  wp.rcNormalPosition = RECT{20, 30, 620, 430};
  ASSERT_TRUE(SetWindowPlacement(hwnd, &wp));
  EXPECT_FALSE(IsIconic(hwnd));
  EXPECT_FALSE(IsZoomed(hwnd));
  EXPECT_TRUE(SameRect(RECT{20 + work.left, 30 + work.top, 620 + work.left, 430 + work.top},
                       WindowRect(hwnd)));

  // SW_SHOWMAXIMIZED keeps the new normal rectangle for the next restore.
  wp.showCmd = SW_SHOWMAXIMIZED;
  wp.rcNormalPosition = RECT{200, 150, 700, 450};
  ASSERT_TRUE(SetWindowPlacement(hwnd, &wp));
  EXPECT_TRUE(IsZoomed(hwnd));
  ShowWindow(hwnd, SW_RESTORE);
  EXPECT_TRUE(SameRect(RECT{200 + work.left, 150 + work.top, 700 + work.left, 450 + work.top},
                       WindowRect(hwnd)));
  DestroyWindow(hwnd);
}

}  // namespace
