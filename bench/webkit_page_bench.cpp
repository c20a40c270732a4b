// A page in the program against the same page in a plain WebKitGTK window,
// in the same run. Each side runs as a process of its own (this program,
// started again with --desktop or --plain) and reports the time from its
// process start to its window's first paint and to the page's document
// complete; the parent then sums the resident memory of the side's
// processes (WebKit's helpers included) while the page is shown. Three
// rounds each, medians. The last line is the memory ratio.
//
// usage: webkit_page_bench [PAGE-URL]   (default: the demo site's login
// page, served from the repository on 127.0.0.1; an X server is started
// when DISPLAY is unset)
#include <dirent.h>
#include <fcntl.h>
#include <gtk/gtk.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <webkit2/webkit2.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "platform/desktop/display_host.h"
#include "platform/desktop/gtk/gtk_host.h"
#include "platform/desktop/session.h"
#include "platform/desktop/web/web_browser.h"
#include "platform/win32api.h"

namespace {

// Milliseconds since this process started (the kernel's start time).
double SinceProcessStart() {
  std::ifstream stat("/proc/self/stat");
  std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
  std::istringstream fields(text.substr(text.rfind(')') + 2));
  std::string field;
  for (int i = 3; i <= 22; ++i) fields >> field;  // field 22: start time in clock ticks
  double startMs = std::stod(field) * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
  timespec now;
  clock_gettime(CLOCK_BOOTTIME, &now);
  return now.tv_sec * 1000.0 + now.tv_nsec / 1e6 - startMs;
}

// What one side reports on its standard output.
void Report(const char* what) {
  std::printf("%s %.0f\n", what, SinceProcessStart());
  std::fflush(stdout);
}

gboolean OnFirstDraw(GtkWidget* widget, cairo_t*, gpointer) {
  Report("paint");
  g_signal_handlers_disconnect_by_func(widget, reinterpret_cast<gpointer>(OnFirstDraw), nullptr);
  return FALSE;
}

// The side that waits: stays until the parent terminates it.
[[noreturn]] void Stay() {
  for (;;) g_main_context_iteration(nullptr, TRUE);
}

class CompleteEvents : public desktop::web::BrowserEvents {
 public:
  void BeforeNavigate(const std::u16string&, bool, bool*) override {}
  void DocumentComplete(const std::u16string&, bool topLevel) override {
    if (topLevel && !done) Report("complete");
    done = done || topLevel;
  }
  HRESULT GetHostInfo(DOCHOSTUIINFO*) override { return E_NOTIMPL; }
  bool done = false;
};

// The program's side: the portable desktop on the display, a window with
// the desktop's browser control in it.
int RunDesktop(const std::string& url) {
  desktop::SessionOptions options;
  if (!desktop::UseDisplayHost(options)) return 1;
  auto* host = static_cast<desktop::gtk::GtkHost*>(options.host.get());
  desktop::Session session(std::move(options));
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSA cls{};
  cls.lpfnWndProc = DefWindowProcA;
  cls.hInstance = instance;
  cls.lpszClassName = "BenchWindow";
  RegisterClassA(&cls);
  HWND window = CreateWindowExA(0, "BenchWindow", "Bench", WS_POPUP | WS_VISIBLE, 0, 0, 800, 600,
                                nullptr, nullptr, instance, nullptr);
  HWND child = CreateWindowExA(0, desktop::web::kBrowserClassName, "", WS_CHILD | WS_VISIBLE, 0, 0,
                               800, 600, window, nullptr, instance, nullptr);
  host->ShowDesktop();
  g_signal_connect(host->GtkWindowOf(window), "draw", G_CALLBACK(OnFirstDraw), nullptr);
  CompleteEvents events;
  desktop::web::WebBrowser* browser = desktop::web::BrowserOf(child);
  browser->SetEvents(&events);
  browser->Navigate(std::u16string(url.begin(), url.end()));
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0)) DispatchMessageA(&msg);
  return 0;
}

void OnPlainLoad(WebKitWebView*, WebKitLoadEvent event, gpointer) {
  if (event == WEBKIT_LOAD_FINISHED) Report("complete");
}

// The baseline: a GTK window holding a WebKit view, nothing else.
int RunPlain(const std::string& url) {
  if (!gtk_init_check(nullptr, nullptr)) return 1;
  GtkWidget* window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
  gtk_window_set_default_size(GTK_WINDOW(window), 800, 600);
  GtkWidget* view = webkit_web_view_new();
  gtk_container_add(GTK_CONTAINER(window), view);
  g_signal_connect(window, "draw", G_CALLBACK(OnFirstDraw), nullptr);
  g_signal_connect(view, "load-changed", G_CALLBACK(OnPlainLoad), nullptr);
  gtk_widget_show_all(window);
  webkit_web_view_load_uri(WEBKIT_WEB_VIEW(view), url.c_str());
  Stay();
}

// Resident kilobytes of a process and all its descendants.
long TreeResidentKb(pid_t root) {
  std::map<pid_t, pid_t> parents;
  std::map<pid_t, long> resident;
  DIR* proc = opendir("/proc");
  while (dirent* entry = readdir(proc)) {
    pid_t pid = std::atoi(entry->d_name);
    if (pid <= 0) continue;
    std::ifstream status("/proc/" + std::string(entry->d_name) + "/status");
    std::string line;
    while (std::getline(status, line)) {
      if (line.rfind("PPid:", 0) == 0) parents[pid] = std::atoi(line.c_str() + 5);
      if (line.rfind("VmRSS:", 0) == 0) resident[pid] = std::atol(line.c_str() + 6);
    }
  }
  closedir(proc);
  long total = 0;
  for (const auto& [pid, kb] : resident) {
    for (pid_t p = pid; p > 1; p = parents.count(p) ? parents[p] : 0) {
      if (p == root) {
        total += kb;
        break;
      }
    }
  }
  return total;
}

struct Sample {
  double paintMs = 0, completeMs = 0;
  long residentKb = 0;
};

// Starts one side, waits for both of its reports, lets the page settle,
// measures and ends it.
bool RunSide(const char* self, const char* mode, const std::string& url, Sample* out) {
  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) return false;
  pid_t pid = fork();
  if (pid == 0) {
    dup2(fds[1], 1);
    execl(self, self, mode, url.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  close(fds[1]);
  FILE* reports = fdopen(fds[0], "r");
  char what[32];
  double ms;
  int seen = 0;
  while (seen < 2 && std::fscanf(reports, "%31s %lf", what, &ms) == 2) {
    if (std::string(what) == "paint") out->paintMs = ms;
    if (std::string(what) == "complete") out->completeMs = ms;
    ++seen;
  }
  if (seen == 2) {
    sleep(2);  // the page settles: images decoded, helpers idle
    out->residentKb = TreeResidentKb(pid);
  }
  kill(pid, SIGTERM);
  waitpid(pid, nullptr, 0);
  std::fclose(reports);
  return seen == 2;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

pid_t StartChild(std::vector<std::string> args, int outFd) {
  pid_t pid = fork();
  if (pid == 0) {
    if (outFd >= 0) dup2(outFd, 1);
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    execvp(argv[0], argv.data());
    _exit(127);
  }
  return pid;
}

std::string FirstLine(int fd) {
  std::string line;
  char c;
  while (read(fd, &c, 1) == 1 && c != '\n') line += c;
  return line;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--desktop") return RunDesktop(argv[2]);
  if (argc == 3 && std::string(argv[1]) == "--plain") return RunPlain(argv[2]);

  std::vector<pid_t> helpers;
  int fds[2];
  if (!getenv("DISPLAY")) {
    if (pipe2(fds, O_CLOEXEC) != 0) return 1;
    fcntl(fds[1], F_SETFD, 0);
    helpers.push_back(StartChild({"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0",
                                  "1280x800x24", "-nolisten", "tcp"}, -1));
    close(fds[1]);
    setenv("DISPLAY", (":" + FirstLine(fds[0])).c_str(), 1);
    close(fds[0]);
  }
  std::string url = argc > 1 ? argv[1] : "";
  if (url.empty()) {
    if (pipe2(fds, O_CLOEXEC) != 0) return 1;
    helpers.push_back(StartChild({"python3", TESSAL_SITE_SERVER, TESSAL_DEMO_SITE}, fds[1]));
    close(fds[1]);
    url = "http://127.0.0.1:" + FirstLine(fds[0]) + "/login.html";
    close(fds[0]);
  }

  std::vector<double> desktopPaint, desktopComplete, desktopKb, plainPaint, plainComplete, plainKb;
  bool ok = true;
  for (int round = 0; round < 3 && ok; ++round) {
    Sample d, p;
    ok = RunSide(argv[0], "--desktop", url, &d) && RunSide(argv[0], "--plain", url, &p);
    desktopPaint.push_back(d.paintMs);
    desktopComplete.push_back(d.completeMs);
    desktopKb.push_back(static_cast<double>(d.residentKb));
    plainPaint.push_back(p.paintMs);
    plainComplete.push_back(p.completeMs);
    plainKb.push_back(static_cast<double>(p.residentKb));
  }
  for (pid_t helper : helpers) {
    kill(helper, SIGTERM);
    waitpid(helper, nullptr, 0);
  }
  if (!ok) {
    std::fprintf(stderr, "webkit_page_bench: a side did not paint or complete the page\n");
    return 1;
  }
  std::printf("page: %s\n", url.c_str());
  std::printf("program: first paint %.0f ms, document complete %.0f ms, resident %.1f MB\n",
              Median(desktopPaint), Median(desktopComplete), Median(desktopKb) / 1024);
  std::printf("plain WebKitGTK: first paint %.0f ms, document complete %.0f ms, resident %.1f MB\n",
              Median(plainPaint), Median(plainComplete), Median(plainKb) / 1024);
  std::printf("resident memory ratio (program / plain WebKitGTK): %.2f\n",
              Median(desktopKb) / Median(plainKb));
  return 0;
}
