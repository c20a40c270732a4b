#include "tests/gtk/display_test.h"

#include <gdk/gdkx.h>
#include <gtk/gtk.h>
#include <X11/extensions/XTest.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "platform/desktop/gtk/gtk_host.h"
#include "platform/desktop/session.h"

namespace {

// A line a child process writes, without its newline (interrupted reads go on).
std::string ReadLine(int fd) {
  std::string line;
  char c;
  for (;;) {
    ssize_t n = read(fd, &c, 1);
    if (n < 0 && errno == EINTR) continue;
    if (n != 1 || c == '\n') return line;
    line += c;
  }
}

// In a forked child: ends the child when the test program ends, also when
// it aborts (a failed check, a sanitizer's report), so no server outlives it.
void EndWithParent(pid_t parent) {
  prctl(PR_SET_PDEATHSIG, SIGTERM);
  if (getppid() != parent) _exit(1);  // the parent ended before the line above
}

// The X server of this test program, stopped when the program ends.
class PrivateXServer {
 public:
  PrivateXServer() {
    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC) != 0) return;
    pid_t parent = getpid();
    pid_ = fork();
    if (pid_ == 0) {
      EndWithParent(parent);
      close(pipeFds[0]);
      fcntl(pipeFds[1], F_SETFD, 0);  // Xvfb writes to it
      std::string fd = std::to_string(pipeFds[1]);
      execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x800x24", "-nolisten",
             "tcp", "-noreset", static_cast<char*>(nullptr));
      _exit(127);
    }
    close(pipeFds[1]);
    // Xvfb writes its display number and a newline once it is ready.
    std::string number = ReadLine(pipeFds[0]);
    close(pipeFds[0]);
    if (!number.empty()) display_ = ":" + number;
  }
  ~PrivateXServer() {
    if (pid_ > 0) {
      kill(pid_, SIGTERM);
      waitpid(pid_, nullptr, 0);
    }
  }
  const std::string& display() const { return display_; }

 private:
  pid_t pid_ = -1;
  std::string display_;
};

std::string& RunFolder() {
  static std::string folder;
  return folder;
}

}  // namespace

DisplayTest::DisplayTest() = default;
DisplayTest::~DisplayTest() = default;

void DisplayTest::SetUpTestSuite() {
  static PrivateXServer server;
  static bool ready = false;
  if (ready) return;
  ASSERT_FALSE(server.display().empty()) << "Xvfb did not start";
  setenv("DISPLAY", server.display().c_str(), 1);
  unsetenv("WAYLAND_DISPLAY");
  // WebKit keeps its data and cache under these; a fresh place for every run.
  char pattern[] = "/tmp/tessal-display-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  RunFolder() = pattern;
  setenv("XDG_DATA_HOME", (RunFolder() + "/data").c_str(), 1);
  setenv("XDG_CACHE_HOME", (RunFolder() + "/cache").c_str(), 1);
  setenv("XDG_CONFIG_HOME", (RunFolder() + "/config").c_str(), 1);
  ASSERT_TRUE(gtk_init_check(nullptr, nullptr)) << "no display at " << server.display();
  ready = true;
}

void DisplayTest::SetUp() {
  desktop::SessionOptions options;
  auto host = std::make_unique<desktop::gtk::GtkHost>();
  host_ = host.get();
  options.host = std::move(host);
  options.resources = Resources();
  options.screenWidth = 1280;
  options.screenHeight = 800;
  options.workArea = RECT{0, 0, 1280, 800};
  session_ = std::make_unique<desktop::Session>(std::move(options));
}

void DisplayTest::TearDown() {
  session_.reset();
  // Let GTK finish destroying what the run's windows left.
  while (g_main_context_iteration(nullptr, FALSE)) {
  }
}

bool DisplayTest::PumpUntil(const std::function<bool()>& done, DWORD boundMs) {
  DWORD until = host_->Now() + boundMs;
  for (;;) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    if (done()) return true;
    if (static_cast<int>(host_->Now() - until) >= 0) return false;
    host_->WaitForInput(host_->Now() + 20);
  }
}

COLORREF DisplayTest::ScreenPixel(int x, int y) {
  GdkPixbuf* pixel = gdk_pixbuf_get_from_window(gdk_get_default_root_window(), x, y, 1, 1);
  if (!pixel) return CLR_INVALID;
  const guchar* p = gdk_pixbuf_read_pixels(pixel);
  COLORREF colour = RGB(p[0], p[1], p[2]);
  g_object_unref(pixel);
  return colour;
}

void DisplayTest::MovePointer(int x, int y) {
  Display* display = gdk_x11_display_get_xdisplay(gdk_display_get_default());
  XTestFakeMotionEvent(display, -1, x, y, CurrentTime);
  XFlush(display);
}

void DisplayTest::ClickScreen(int x, int y) {
  Display* display = gdk_x11_display_get_xdisplay(gdk_display_get_default());
  XTestFakeMotionEvent(display, -1, x, y, CurrentTime);
  XTestFakeButtonEvent(display, 1, True, CurrentTime);
  XTestFakeButtonEvent(display, 1, False, CurrentTime);
  XFlush(display);
}

void DisplayTest::PressKeysLater(std::vector<unsigned> keySymbols, unsigned afterMs) {
  auto* keys = new std::vector<unsigned>(std::move(keySymbols));
  g_timeout_add(afterMs, [](gpointer data) -> gboolean {
    auto* pressed = static_cast<std::vector<unsigned>*>(data);
    Display* display = gdk_x11_display_get_xdisplay(gdk_display_get_default());
    // A loaded X server may repeat a key whose release comes late.
    XAutoRepeatOff(display);
    for (unsigned symbol : *pressed) {
      KeyCode code = XKeysymToKeycode(display, symbol);
      XTestFakeKeyEvent(display, code, True, CurrentTime);
      XTestFakeKeyEvent(display, code, False, CurrentTime);
    }
    XFlush(display);
    delete pressed;
    return G_SOURCE_REMOVE;
  }, keys);
}

void DisplayTest::SaveScreen(const std::string& name) {
  GdkWindow* root = gdk_get_default_root_window();
  GdkPixbuf* screen = gdk_pixbuf_get_from_window(root, 0, 0, gdk_window_get_width(root),
                                                 gdk_window_get_height(root));
  if (!screen) return;
  gdk_pixbuf_save(screen, (std::string(TESSAL_TEST_OUTPUT) + "/" + name).c_str(), "png", nullptr,
                  nullptr);
  g_object_unref(screen);
}

SiteServer::SiteServer(const char* folder) {
  int toServer[2], fromServer[2];
  // Close-on-exec: WebKit's helper processes must not inherit the server's pipes.
  if (pipe2(toServer, O_CLOEXEC) != 0 || pipe2(fromServer, O_CLOEXEC) != 0) return;
  pid_t parent = getpid();
  pid_ = fork();
  if (pid_ == 0) {
    EndWithParent(parent);
    dup2(toServer[0], 0);
    dup2(fromServer[1], 1);
    close(toServer[1]);
    close(fromServer[0]);
    execlp("python3", "python3", TESSAL_SITE_SERVER, folder, static_cast<char*>(nullptr));
    _exit(127);
  }
  close(toServer[0]);
  close(fromServer[1]);
  input_ = toServer[1];
  port_ = std::atoi(ReadLine(fromServer[0]).c_str());
  close(fromServer[0]);
}

SiteServer::~SiteServer() {
  if (input_ >= 0) close(input_);
  if (pid_ > 0) {  // it serves until it is terminated
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
  }
}

std::string SiteServer::Address(const std::string& page) const {
  return "http://127.0.0.1:" + std::to_string(port_) + "/" + page;
}
