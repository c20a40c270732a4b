#include "tools/sim/actions.h"

#include "platform/desktop/headless_host.h"
#include "platform/desktop/notify_icons.h"
#include "platform/desktop/registry_store.h"
#include "platform/desktop/screen.h"
#include "platform/desktop/session.h"
#include "platform/desktop/codepage.h"
#include "platform/desktop/web/web_browser.h"
#include "platform/win32api.h"
#include "tools/sim/setup.h"
#include "tools/sim/skinned_window.h"
#include "tools/sim/transcript.h"
#include "tools/sim/window_names.h"

namespace sim {
namespace {

// What one action needs while it runs; reports failures under its number.
class ActionRun {
 public:
  ActionRun(const Action& action, std::size_t index, desktop::HeadlessHost& host,
            Transcript& transcript)
      : a_(action), index_(index), host_(host), transcript_(transcript) {}

  void operator()() const;

 private:
  void Fail(const std::string& message) const { transcript_.ActionFailed(index_, message); }
  std::string Quoted(const std::string& text) const { return "\"" + text + "\""; }
  // The action's window, shown; null (and reported) otherwise.
  HWND ShownWindow() const;
  void ClickButton(HWND window) const;
  void ClickLink(HWND window) const;
  void PressKey(HWND window) const;
  void ClickCaptionButton(HWND window) const;
  void ClickTrayIcon() const;
  void DeleteRunValue() const;
  void Drag(HWND window) const;
  void Screenshot() const;

  const Action& a_;
  std::size_t index_;
  desktop::HeadlessHost& host_;
  Transcript& transcript_;
};

POINT Centre(const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

HWND ActionRun::ShownWindow() const {
  HWND window = FindNamedWindow(a_.window);
  if (!window) {
    Fail("no window " + Quoted(a_.window));
    return nullptr;
  }
  if (!IsWindowVisible(window)) {
    Fail("window " + Quoted(a_.window) + " is not shown");
    return nullptr;
  }
  return window;
}

void ActionRun::ClickButton(HWND window) const {
  HWND control = GetDlgItem(window, static_cast<int>(a_.number));
  if (!control || !IsWindowVisible(control)) {
    Fail("no control " + std::to_string(a_.number) + " shown in " + Quoted(a_.window));
    return;
  }
  RECT r{};
  GetWindowRect(control, &r);
  host_.Click(Centre(r));
}

desktop::web::WebBrowser* FirstBrowserIn(HWND window) {
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (desktop::web::WebBrowser* browser = desktop::web::BrowserOf(child)) return browser;
    if (desktop::web::WebBrowser* nested = FirstBrowserIn(child)) return nested;
  }
  return nullptr;
}

void ActionRun::ClickLink(HWND window) const {
  desktop::web::WebBrowser* browser = FirstBrowserIn(window);
  if (!browser) {
    Fail("no browser in " + Quoted(a_.window));
  } else if (!browser->engine().ClickLink(a_.text)) {
    Fail("no link " + Quoted(a_.text) + " on the page in " + Quoted(a_.window));
  }
}

void ActionRun::PressKey(HWND window) const {
  // Keys reach the active window; a user would bring the window forward
  // first, as a click on its taskbar button does.
  if (GetActiveWindow() != window && !IsWindowEnabled(window)) {
    Fail("window " + Quoted(a_.window) + " is disabled: keys cannot reach it");
    return;
  }
  if (GetActiveWindow() != window) SetForegroundWindow(window);
  const KeyChord& k = a_.key;
  if (k.ctrl) host_.KeyDown(VK_CONTROL);
  if (k.shift) host_.KeyDown(VK_SHIFT);
  if (k.alt) host_.KeyDown(VK_MENU);
  host_.Press(k.virtualKey);
  if (k.alt) host_.KeyUp(VK_MENU);
  if (k.shift) host_.KeyUp(VK_SHIFT);
  if (k.ctrl) host_.KeyUp(VK_CONTROL);
}

void ActionRun::ClickCaptionButton(HWND window) const {
  std::optional<POINT> centre = CaptionButtonCentre(window, static_cast<int>(a_.number));
  if (!centre) {
    Fail("no caption button " + std::to_string(a_.number) + " shown in " + Quoted(a_.window));
    return;
  }
  host_.Click(*centre);
}

void ActionRun::ClickTrayIcon() const {
  const auto& icons = desktop::Session::Current().notifyIcons();
  if (icons.empty()) {
    Fail("no notification icon");
    return;
  }
  desktop::NotifyIcon icon = icons.front();
  desktop::ClickNotifyIcon(icon.hwnd, icon.id, desktop::IconClick::kLeft);
}

void ActionRun::DeleteRunValue() const {
  desktop::RegistryStore& registry = desktop::Session::Current().registry();
  desktop::RegistryStore::Key* key = registry.Find(kRunKeyPath);
  if (!key || !registry.DeleteValue(*key, desktop::Utf8ToCp936(a_.text))) {
    Fail("no value " + Quoted(a_.text) + " in the Run key");
  }
}

void ActionRun::Drag(HWND window) const {
  RECT r{};
  GetWindowRect(window, &r);
  POINT from{r.left + a_.from.x, r.top + a_.from.y};
  POINT to{r.left + a_.to.x, r.top + a_.to.y};
  POINT halfway{(from.x + to.x) / 2, (from.y + to.y) / 2};
  host_.MoveMouse(from).MouseDown().MoveMouse(halfway).MoveMouse(to).MouseUp();
}

void ActionRun::Screenshot() const {
  if (desktop::WriteScreenPng(a_.text)) transcript_.ScreenshotWritten(a_.text);
  else Fail("cannot write " + Quoted(a_.text));
}

void ActionRun::operator()() const {
  using Kind = Action::Kind;
  switch (a_.kind) {
    case Kind::kAnswer: host_.AnswerBox(static_cast<int>(a_.number)); return;
    case Kind::kMenu:
      if (a_.dismiss) host_.DismissMenu();
      else if (!a_.text.empty()) host_.ChooseMenuItem(desktop::Utf8ToCp936(a_.text));
      else host_.ChooseMenuItem(a_.number);
      return;
    case Kind::kTrayClick: ClickTrayIcon(); return;
    case Kind::kRegistryDelete: DeleteRunValue(); return;
    case Kind::kScreenshot: Screenshot(); return;
    case Kind::kWait: return;
    default: break;
  }
  // The rest act on a window.
  if (a_.kind == Kind::kSysCommand || a_.kind == Kind::kPost) {
    HWND window = FindNamedWindow(a_.window);
    if (!window) return Fail("no window " + Quoted(a_.window));
    UINT message = a_.kind == Kind::kPost ? a_.number : WM_SYSCOMMAND;
    WPARAM wParam = a_.kind == Kind::kPost ? static_cast<WPARAM>(a_.wparam) : a_.number;
    LPARAM lParam = a_.kind == Kind::kPost ? static_cast<LPARAM>(a_.lparam) : 0;
    PostMessageA(window, message, wParam, lParam);
    return;
  }
  HWND window = ShownWindow();
  if (!window) return;
  switch (a_.kind) {
    case Kind::kClickButton: ClickButton(window); break;
    case Kind::kClickLink: ClickLink(window); break;
    case Kind::kKey: PressKey(window); break;
    case Kind::kCaptionButton: ClickCaptionButton(window); break;
    case Kind::kDrag: Drag(window); break;
    default: break;
  }
}

}  // namespace

void QueueActions(const std::vector<Action>& actions, desktop::HeadlessHost& host,
                  Transcript& transcript) {
  for (std::size_t i = 0; i < actions.size(); ++i) {
    const Action& action = actions[i];
    if (action.at) host.WaitUntil(*action.at);
    if (action.kind == Action::Kind::kWait) {
      host.Wait(action.number);
      continue;
    }
    host.Do("", ActionRun(action, i, host, transcript));
  }
}

}  // namespace sim
