// The whole road of a login on the real display and the real engine: the
// program itself (AfxWinMain, the launcher, the game window) on the demo
// operator site served on 127.0.0.1, its file carrying the login page as its
// start page. The test user acts from the GLib loop while the program's own
// loops wait for input, one step after the other, each step bounded by the
// real clock and ended by what it waits for.
#include <gtk/gtk.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "app/process_state.h"
#include "app/start_page_format.h"
#include "app/tessal_app.h"
#include "game/game_dlg.h"
#include "gfx/region_from_bitmap.h"
#include "launcher/launcher_layout.h"
#include "launcher/tessal_dlg.h"
#include "platform/desktop/codepage.h"
#include "platform/desktop/gtk/gtk_host.h"
#include "platform/desktop/gtk/native_message_box.h"
#include "platform/desktop/gtk/webkit_engine.h"
#include "platform/desktop/screen.h"
#include "platform/desktop/session.h"
#include "platform/desktop/state.h"
#include "platform/desktop/web/web_browser.h"
#include "res/resource_ids.h"
#include "skin/frame_rules.h"
#include "tests/gtk/display_test.h"
#include "tests/support/picture_reader.h"

const desktop::ResourceSet& AfxProgramResources();

namespace {

constexpr DWORD kStepBoundMs = 30000;
constexpr int kWidth = launcher_layout::WindowWidth;
constexpr int kHeight = launcher_layout::WindowHeight;

bool Inside(const RECT& r, int x, int y) {
  return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

// What the launcher shows outside its browser: the background with each
// button's picture over it (the logo disabled), the key colour where the
// launcher is a hole.
std::vector<COLORREF> LauncherPicture() {
  std::vector<COLORREF> expected = PictureReader(IDB_LAUNCHER_BACKGROUND).Pixels();
  for (const launcher_layout::ButtonLayout& b : launcher_layout::Buttons) {
    PictureReader picture(b.id == IDC_LOGO_BUTTON ? b.disabled : b.normal);
    for (int py = 0; py < picture.height; ++py) {
      for (int px = 0; px < picture.width; ++px) {
        COLORREF c = picture.At(px, py);
        if (c != RegionKeyColor) expected[(b.rect.top + py) * kWidth + b.rect.left + px] = c;
      }
    }
  }
  return expected;
}

// The X server's pixels of a screen rectangle, row by row.
std::vector<COLORREF> ScreenArea(int left, int top, int width, int height) {
  GdkPixbuf* area = gdk_pixbuf_get_from_window(gdk_get_default_root_window(), left, top, width, height);
  std::vector<COLORREF> pixels;
  if (!area) return pixels;
  const guchar* data = gdk_pixbuf_read_pixels(area);
  int stride = gdk_pixbuf_get_rowstride(area), channels = gdk_pixbuf_get_n_channels(area);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const guchar* p = data + y * stride + x * channels;
      pixels.push_back(RGB(p[0], p[1], p[2]));
    }
  }
  g_object_unref(area);
  return pixels;
}

// Pixels of a screen rectangle where the X server shows other than what
// the desktop composes there (the windows' own pixels, shapes and order).
// The rectangle is clipped to the screen (a maximised frame reaches past it).
int DiffersFromDesktop(RECT r) {
  desktop::Bitmap composed = desktop::ComposeScreen();
  r.left = std::max<LONG>(r.left, 0);
  r.top = std::max<LONG>(r.top, 0);
  r.right = std::min<LONG>(r.right, composed.width);
  r.bottom = std::min<LONG>(r.bottom, composed.height);
  if (r.right <= r.left || r.bottom <= r.top) return -1;
  int width = r.right - r.left, height = r.bottom - r.top;
  std::vector<COLORREF> shown = ScreenArea(r.left, r.top, width, height);
  if (shown.size() != static_cast<std::size_t>(width * height)) return -1;
  int wrong = 0;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      std::uint32_t word = composed.At(r.left + x, r.top + y);
      COLORREF want = RGB((word >> 16) & 0xFF, (word >> 8) & 0xFF, word & 0xFF);
      wrong += shown[static_cast<std::size_t>(y * width + x)] != want;
    }
  }
  return wrong;
}

std::string Text(HWND hwnd) {
  char text[256] = {};
  GetWindowTextA(hwnd, text, sizeof text);
  return text;
}

std::string ShownAddress(CHtmlCtrl& browser) {
  auto* engine = browser.m_hWnd ? desktop::web::BrowserOf(browser.m_hWnd) : nullptr;
  auto document = engine ? engine->document() : nullptr;
  return document ? document->Address() : "";
}

// The test user: steps taken from a GLib timeout while the program runs.
// A step whose awaited state does not come within its bound ends the run.
class Road {
 public:
  struct Step {
    std::string what;
    std::function<bool()> reached;
    std::function<void()> then;
  };
  explicit Road(desktop::gtk::GtkHost& host) : host_(host) {}
  ~Road() {
    if (source_) g_source_remove(source_);
  }
  void Add(std::string what, std::function<bool()> reached, std::function<void()> then = [] {}) {
    steps_.push_back(Step{std::move(what), std::move(reached), std::move(then)});
  }
  void Start() {
    stepStart_ = host_.Now();
    // Below GTK's drawing and everything else the loop has to do: the
    // user looks at the screen only when the program is idle.
    source_ = g_timeout_add_full(G_PRIORITY_LOW, 50, &Road::Tick, this, nullptr);
  }
  std::function<void()> onMiss;  // while the windows are still there
  // The step that did not come, or empty when every step came.
  const std::string& Missed() const { return missed_; }
  std::size_t Done() const { return next_; }
  // The real clock's time when each step came, from the road's start.
  const std::vector<DWORD>& Times() const { return times_; }

 private:
  static gboolean Tick(gpointer self) { return static_cast<Road*>(self)->Next(); }
  gboolean Next() {
    if (!startedAt_) startedAt_ = host_.Now();
    while (next_ < steps_.size() && steps_[next_].reached()) {
      times_.push_back(host_.Now() - startedAt_);
      steps_[next_++].then();
      stepStart_ = host_.Now();
    }
    if (next_ == steps_.size()) {
      source_ = 0;
      return G_SOURCE_REMOVE;
    }
    if (host_.Now() - stepStart_ > kStepBoundMs) {
      missed_ = steps_[next_].what;
      if (onMiss) onMiss();
      ::PostQuitMessage(3);  // ends every loop of the program
      source_ = 0;
      return G_SOURCE_REMOVE;
    }
    return G_SOURCE_CONTINUE;
  }

  desktop::gtk::GtkHost& host_;
  std::vector<Step> steps_;
  std::vector<DWORD> times_;
  std::size_t next_ = 0;
  DWORD stepStart_ = 0, startedAt_ = 0;
  guint source_ = 0;
  std::string missed_;
};

class LoginRoadTest : public DisplayTest {
 protected:
  const desktop::ResourceSet* Resources() override { return &AfxProgramResources(); }
  void SetUp() override {
    DisplayTest::SetUp();
    theApp.SetCurrentHandles(GetModuleHandleA(nullptr));
    picture_ = LauncherPicture();
    for (CString* value : {&StartPageUrl, &ServerName, &PayUrl, &ForumUrl, &ServiceUrl, &OfficialUrl}) {
      value->Empty();
    }
    // The program file as the packing tool leaves it: the start page's
    // record appended to the executable.
    std::string program = "MZ" + std::string(4000, '\x90');
    std::string real = desktop::Session::Current().RealPath("C:\\Games\\Tessal\\Tessal.exe");
    std::filesystem::create_directories(std::filesystem::path(real).parent_path());
    std::ofstream(real, std::ios::binary) << program + start_page::Encode(program.size(), StartPage());
    // The pointer away from the launcher, whose buttons would light up under it.
    MovePointer(0, 0);
  }
  std::string StartPage() const { return site_.Address("login.html"); }

  static CTessalDlg* Launcher() { return static_cast<CTessalDlg*>(theApp.m_pMainWnd); }
  // Where the launcher opens: centred on the 1280 x 800 work area.
  static POINT LauncherOrigin() { return POINT{(1280 - kWidth) / 2, (800 - kHeight + 1) / 2}; }

  // Launcher pixels outside the browser that differ from the picture; a
  // hole must show what the screen showed there before the program ran.
  int WrongLauncherPixels(const std::vector<COLORREF>& below) const {
    POINT origin = LauncherOrigin();
    std::vector<COLORREF> shown = ScreenArea(origin.x, origin.y, kWidth, kHeight);
    if (shown.size() != picture_.size()) return -1;
    int wrong = 0;
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) {
        if (Inside(launcher_layout::BrowserRect, x, y)) continue;
        std::size_t i = static_cast<std::size_t>(y * kWidth + x);
        COLORREF want = picture_[i] == RegionKeyColor ? below[i] : picture_[i];
        wrong += shown[i] != want;
      }
    }
    return wrong;
  }

  SiteServer site_{TESSAL_DEMO_SITE};
  std::vector<COLORREF> picture_;
};

TEST_F(LoginRoadTest, LauncherLoginGameWindowCloseConfirmedAndBackToTheLauncher) {
  POINT origin = LauncherOrigin();
  std::vector<COLORREF> below = ScreenArea(origin.x, origin.y, kWidth, kHeight);
  ASSERT_EQ(below.size(), picture_.size());
  std::size_t holes = 0;
  for (COLORREF c : picture_) holes += c == RegionKeyColor;
  ASSERT_GT(holes, 0u) << "the picture has no key colour: the test would show nothing";
  for (std::size_t i = 0; i < below.size(); ++i) {
    // Where the launcher is a hole, the X root's own colour shows; it must
    // differ from the key colour or a painted key would pass for a hole.
    if (picture_[i] == RegionKeyColor) {
      ASSERT_NE(below[i], RegionKeyColor) << "at " << i;
    }
  }

  Road road(host());
  road.onMiss = [] { SaveScreen("login-road-missed.png"); };
  int wrongPixels = -1, gameFrameWrong = -1, boxCentreOffset = -1;
  bool boxMirrored = true;
  std::string boxText, boxYesLabel;
  std::string loginCompleted, linksAtComplete[4];
  std::string gameTitle, windowTitle, serverName, gameAddress, boxOwnerTitle;
  HWND box = nullptr;
  bool gameZoomed = false, launcherHiddenDuringGame = false, gameMapped = false;
  bool boxOpenBeforeClick = false;

  road.Add("the launcher shows its picture, holes and all", [&] {
    CTessalDlg* launcher = Launcher();
    if (!launcher || !launcher->m_hWnd || !IsWindowVisible(launcher->m_hWnd)) return false;
    wrongPixels = WrongLauncherPixels(below);
    return wrongPixels == 0;
  }, [] { SaveScreen("login-road-launcher.png"); });

  road.Add("the login page's document completes and its portal links are read", [&] {
    return ShownAddress(Launcher()->Browser) == StartPage() && !PayUrl.IsEmpty() &&
           !OfficialUrl.IsEmpty();
  }, [&] {
    loginCompleted = ShownAddress(Launcher()->Browser);
    linksAtComplete[0] = PayUrl.GetString();
    linksAtComplete[1] = ForumUrl.GetString();
    linksAtComplete[2] = ServiceUrl.GetString();
    linksAtComplete[3] = OfficialUrl.GetString();
  });

  road.Add("the login page shows in the browser's rectangle", [&] {
    // The host style sheet paints the page's body black; the launcher's
    // picture is not black there.
    POINT p{origin.x + launcher_layout::BrowserRect.right - 6,
            origin.y + launcher_layout::BrowserRect.bottom - 6};
    return ScreenPixel(p.x, p.y) == RGB(0, 0, 0);
  }, [&] {
    // The player presses the form's button: the page's enter() goes to the game address.
    auto& engine = static_cast<desktop::gtk::WebKitEngine&>(
        desktop::web::BrowserOf(Launcher()->Browser.m_hWnd)->engine());
    const char* press = "document.querySelector('button[type=submit]').click()";
    webkit_web_view_evaluate_javascript(engine.view(), press, -1, nullptr, nullptr, nullptr,
                                        nullptr, nullptr);
  });

  road.Add("the game window is shown maximised with the game page", [&] {
    CGameDlg* game = Launcher()->GameWindow;
    if (!game || !game->m_hWnd || !IsWindowVisible(game->m_hWnd) ||
        ShownAddress(game->Browser).find("play.html") == std::string::npos) {
      return false;
    }
    // The skinned caption strip as the desktop draws it (icon, title, the
    // buttons), the game page's own black body below it.
    RECT window{}, browser{};
    GetWindowRect(game->m_hWnd, &window);
    GetWindowRect(game->Browser.m_hWnd, &browser);
    gameFrameWrong = DiffersFromDesktop(RECT{window.left, window.top, window.right, browser.top});
    return gameFrameWrong == 0 && ScreenPixel(browser.right - 20, browser.bottom - 20) == RGB(0, 0, 0);
  }, [&] {
    CGameDlg* game = Launcher()->GameWindow;
    gameZoomed = IsZoomed(game->m_hWnd) != FALSE;
    launcherHiddenDuringGame = !IsWindowVisible(Launcher()->m_hWnd);
    gameMapped = gtk_widget_get_mapped(host().GtkWindowOf(game->m_hWnd));
    gameAddress = ShownAddress(game->Browser);
    gameTitle = FrameTitle(Text(game->m_hWnd), ServerName.GetString());
    windowTitle = gtk_window_get_title(GTK_WINDOW(host().GtkWindowOf(game->m_hWnd)));
    serverName = ServerName.GetString();
    SaveScreen("login-road-game.png");
    // Closing from the window manager is the window menu's Close.
    ::PostMessageA(game->m_hWnd, WM_SYSCOMMAND, SC_CLOSE, 0);
  });

  road.Add("the close confirmation is shown as a dialog in the middle of the screen", [&] {
    HWND active = ::GetActiveWindow();
    const desktop::gtk::NativeMessageBox* shown = active ? host().NativeBoxOf(active) : nullptr;
    if (!shown || !gtk_widget_get_mapped(shown->dialog())) return false;
    GtkWidget* yes = shown->ButtonFor(IDYES);
    GtkWidget* no = shown->ButtonFor(IDNO);
    if (!yes || !no || !gtk_widget_get_mapped(yes)) return false;
    GdkRectangle frame{};
    gdk_window_get_frame_extents(gtk_widget_get_window(shown->dialog()), &frame);
    boxCentreOffset = std::abs(2 * frame.x + frame.width - 1280) + std::abs(2 * frame.y + frame.height - 800);
    // The dialog's own pixels, not the desktop's box window, are on the screen there.
    boxMirrored = host().GtkWindowOf(active) != nullptr;
    return true;
  }, [&] {
    box = ::GetActiveWindow();
    boxOwnerTitle = Text(::GetWindow(box, GW_OWNER));
    const auto& open = desktop::Session::Current().boxes();
    boxOpenBeforeClick = open.size() == 1 && open[0].open && open[0].result == 0 && open[0].box == box;
    const desktop::gtk::NativeMessageBox* shown = host().NativeBoxOf(box);
    gchar* text = nullptr;
    g_object_get(shown->dialog(), "text", &text, nullptr);
    boxText = text ? text : "";
    g_free(text);
    GtkWidget* yes = shown->ButtonFor(IDYES);
    boxYesLabel = gtk_button_get_label(GTK_BUTTON(yes));
    GtkAllocation size{};
    gtk_widget_get_allocation(yes, &size);
    int x = 0, y = 0, originX = 0, originY = 0;
    gtk_widget_translate_coordinates(yes, shown->dialog(), size.width / 2, size.height / 2, &x, &y);
    gdk_window_get_origin(gtk_widget_get_window(shown->dialog()), &originX, &originY);
    SaveScreen("login-road-close-box.png");
    ClickScreen(originX + x, originY + y);
  });

  road.Add("back to the launcher with the start page reopened", [&] {
    CGameDlg* game = Launcher()->GameWindow;
    return IsWindowVisible(Launcher()->m_hWnd) && !IsWindowVisible(game->m_hWnd) &&
           ShownAddress(Launcher()->Browser) == StartPage();
  });

  road.Add("the launcher shows its picture again", [&] {
    wrongPixels = WrongLauncherPixels(below);
    return wrongPixels == 0;
  }, [&] {
    SaveScreen("login-road-back.png");
    ::PostQuitMessage(0);
  });

  road.Start();
  int code = AfxWinMain(GetModuleHandleA(nullptr), nullptr, nullptr, SW_SHOWDEFAULT);

  ASSERT_EQ(road.Missed(), "") << "after " << road.Done() << " steps; wrong pixels: launcher "
                               << wrongPixels << ", game caption " << gameFrameWrong;
  EXPECT_EQ(code, 0);
  EXPECT_EQ(std::string(StartPageUrl.GetString()), StartPage());
  EXPECT_EQ(loginCompleted, StartPage());
  // The demo page names its portal on the demo's usual port, whatever port served it.
  EXPECT_EQ(linksAtComplete[0], "http://127.0.0.1:8040/portal.html?to=pay");
  EXPECT_EQ(linksAtComplete[1], "http://127.0.0.1:8040/portal.html?to=forum");
  EXPECT_EQ(linksAtComplete[2], "http://127.0.0.1:8040/portal.html?to=service");
  EXPECT_EQ(linksAtComplete[3], "http://127.0.0.1:8040/portal.html?to=official");

  EXPECT_TRUE(gameMapped);
  EXPECT_TRUE(gameZoomed);
  EXPECT_TRUE(launcherHiddenDuringGame);
  EXPECT_EQ(gameAddress, site_.Address("play.html?server_name=s12&client=1"));
  EXPECT_EQ(serverName, "s12");
  EXPECT_EQ(gameTitle, "Qorvan s12");
  EXPECT_EQ(windowTitle, "Qorvan");

  const auto& boxes = desktop::Session::Current().boxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "是否要关闭游戏");
  // The player saw it as a GTK dialog with the text in UTF-8, centred like a Windows box.
  EXPECT_EQ(boxText, desktop::Cp936ToUtf8("是否要关闭游戏"));
  EXPECT_EQ(boxYesLabel, "_Yes");
  EXPECT_LE(boxCentreOffset, 2);
  EXPECT_FALSE(boxMirrored) << "the desktop's own box window was shown too";
  EXPECT_EQ(boxes[0].type & MB_TYPEMASK, static_cast<UINT>(MB_YESNO));
  EXPECT_EQ(boxes[0].result, IDYES) << "the click on the box's Yes button";
  EXPECT_TRUE(boxOpenBeforeClick) << "the box was not waiting for the click";
  EXPECT_FALSE(boxes[0].open);
  EXPECT_FALSE(boxes[0].defaultAnswer);
  EXPECT_EQ(boxOwnerTitle, "Qorvan");

  std::string timeline;
  for (DWORD t : road.Times()) timeline += " " + std::to_string(t);
  RecordProperty("step_times_ms", timeline);
  std::printf("login road, ms from the test user's first look to each step:%s\n", timeline.c_str());
}

}  // namespace
