#include "tests/support/windows_test_user.h"

#include <gtest/gtest.h>

namespace {

WindowsTestUser* g_user = nullptr;
constexpr int kBoxTextId = 0xFFFF;
constexpr DWORD kGiveUpAfterMs = 30000;  // a test that hangs fails instead
constexpr DWORD kMoveSettleMs = 40;

std::string TextOf(HWND hwnd) {
  char text[1024] = {};
  GetWindowTextA(hwnd, text, sizeof text);
  return text;
}

bool IsMessageBox(HWND hwnd) {
  char cls[16] = {};
  GetClassNameA(hwnd, cls, sizeof cls);
  return std::string(cls) == "#32770" && IsWindowVisible(hwnd) && GetDlgItem(hwnd, kBoxTextId);
}

}  // namespace

WindowsTestUser::WindowsTestUser() {
  g_user = this;
  Start();  // boxes are answered even when the test gives no steps
}

WindowsTestUser::~WindowsTestUser() {
  if (timer_) KillTimer(nullptr, timer_);
  g_user = nullptr;
}

void WindowsTestUser::Start() {
  if (!timer_) {
    timer_ = SetTimer(nullptr, 0, 10, &WindowsTestUser::Tick);
    deadline_ = GetTickCount() + kGiveUpAfterMs;
  }
}

TestUser& WindowsTestUser::Wait(DWORD ms) {
  steps_.push_back({ms, nullptr});
  scripted_ = true;
  return *this;
}

void WindowsTestUser::PostKey(int key, bool alt) {
  HWND target = GetFocus() ? GetFocus() : GetActiveWindow();
  if (!target) return;
  LPARAM context = alt ? (1L << 29) : 0;
  UINT down = alt ? WM_SYSKEYDOWN : WM_KEYDOWN, up = alt ? WM_SYSKEYUP : WM_KEYUP;
  PostMessageA(target, down, static_cast<WPARAM>(key), 1 | context);
  PostMessageA(target, up, static_cast<WPARAM>(key), 1 | context | (1L << 30) | (1L << 31));
}

TestUser& WindowsTestUser::Press(int key) {
  return Do("", [key] { PostKey(key, false); });
}

TestUser& WindowsTestUser::PressWithAlt(int key) {
  return Do("", [key] { PostKey(key, true); });
}

// The mouse goes through the system's input, as a real one would: the
// system hit-tests, captures and tracks as it does for the user's hand.
// SetCursorPos moves it; SendInput presses and releases its buttons.
void WindowsTestUser::SendMouse(DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  SendInput(1, &input, sizeof input);
}

TestUser& WindowsTestUser::MoveMouse(POINT p) {
  // Wine's display reports each warp of the pointer late, with the next
  // warp, so a move can be followed by a report of the previous position.
  // Placing the cursor a second time, once that report is in, puts it back
  // where it belongs.
  auto place = [p] { SetCursorPos(p.x, p.y); };
  return Do("", place).Wait(kMoveSettleMs).Do("", place).Wait(kMoveSettleMs);
}

TestUser& WindowsTestUser::MouseDown(int button) {
  return Do("", [button] { SendMouse(button == VK_RBUTTON ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN); });
}

TestUser& WindowsTestUser::MouseUp(int button) {
  return Do("", [button] { SendMouse(button == VK_RBUTTON ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP); });
}

TestUser& WindowsTestUser::Do(std::string, std::function<void()> action) {
  steps_.push_back({0, std::move(action)});
  scripted_ = true;
  return *this;
}

TestUser& WindowsTestUser::AnswerBox(int result, DWORD afterMs) {
  answers_.push_back({result, afterMs});
  return *this;
}

std::vector<SeenBox> WindowsTestUser::Boxes() const { return boxes_; }

TestUser& WindowsTestUser::ChooseMenuItem(UINT command, DWORD afterMs) {
  menuChoices_.push_back({command, afterMs});
  return *this;
}

TestUser& WindowsTestUser::DismissMenu(DWORD afterMs) {
  menuChoices_.push_back({0, afterMs});
  return *this;
}

// Open pop-up menus are windows of the system's menu class on this thread.
void WindowsTestUser::WatchForMenus() {
  std::vector<HWND> found;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND hwnd, LPARAM list) -> BOOL {
        char cls[16] = {};
        GetClassNameA(hwnd, cls, sizeof cls);
        if (std::string(cls) == "#32768" && IsWindowVisible(hwnd)) {
          reinterpret_cast<std::vector<HWND>*>(list)->push_back(hwnd);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  for (HWND menu : found) {
    if (!knownMenus_.insert(menu).second) continue;
    MenuChoice choice{0, 0};
    if (!menuChoices_.empty()) {
      choice = menuChoices_.front();
      menuChoices_.pop_front();
    }
    openMenus_.push_back({menu, choice.command, GetTickCount() + choice.afterMs});
  }
  // Menu windows are made afresh for every menu; forget the ones that closed.
  for (auto it = knownMenus_.begin(); it != knownMenus_.end();) {
    it = IsWindowVisible(*it) ? std::next(it) : knownMenus_.erase(it);
  }
}

// The user answers as with the keyboard: Down to each item up to the one
// named (separators are skipped), then Enter; or Esc.
void WindowsTestUser::AnswerMenus() {
  constexpr UINT kGetMenuHandle = 0x01E1;  // MN_GETHMENU
  DWORD now = GetTickCount();
  for (auto it = openMenus_.begin(); it != openMenus_.end();) {
    if (static_cast<int>(now - it->due) < 0) {
      ++it;
      continue;
    }
    HWND window = it->window;
    UINT command = it->command;
    it = openMenus_.erase(it);
    HMENU menu = reinterpret_cast<HMENU>(SendMessageA(window, kGetMenuHandle, 0, 0));
    int downs = 0;
    bool found = false;
    for (int i = 0; menu && i < GetMenuItemCount(menu) && command; ++i) {
      if (GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_SEPARATOR) continue;
      ++downs;
      if (GetMenuItemID(menu, i) == command) {
        found = true;
        break;
      }
    }
    if (!found) {
      PostMessageA(window, WM_KEYDOWN, VK_ESCAPE, 1);
      continue;
    }
    for (int i = 0; i < downs; ++i) PostMessageA(window, WM_KEYDOWN, 0x28 /* VK_DOWN */, 1);
    PostMessageA(window, WM_KEYDOWN, VK_RETURN, 1);
  }
}

void WindowsTestUser::WatchForBoxes() {
  std::vector<HWND> found;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND hwnd, LPARAM list) -> BOOL {
        if (IsMessageBox(hwnd)) reinterpret_cast<std::vector<HWND>*>(list)->push_back(hwnd);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  DWORD now = GetTickCount();
  for (HWND box : found) {
    if (!known_.insert(box).second) continue;
    Answer answer{0, 0};
    if (!answers_.empty()) {
      answer = answers_.front();
      answers_.pop_front();
    }
    char text[1024] = {};
    GetDlgItemTextA(box, kBoxTextId, text, sizeof text);
    boxes_.push_back({GetWindow(box, GW_OWNER), TextOf(box), text, 0, now, 0});
    open_.push_back({box, boxes_.size() - 1, answer.result, now + answer.afterMs});
  }
}

void CALLBACK WindowsTestUser::Tick(HWND, UINT, UINT_PTR, DWORD) {
  if (g_user && !g_user->running_) g_user->Run();
}

void WindowsTestUser::Run() {
  running_ = true;
  WatchForBoxes();
  WatchForMenus();
  AnswerMenus();
  DWORD now = GetTickCount();
  for (auto it = open_.begin(); it != open_.end();) {
    if (static_cast<int>(now - it->due) < 0) {
      ++it;
      continue;
    }
    int result = it->result;
    if (!result) {
      LRESULT def = SendMessageA(it->box, DM_GETDEFID, 0, 0);
      result = HIWORD(def) == DC_HASDEFID ? LOWORD(def) : IDOK;
    }
    boxes_[it->index].result = result;
    boxes_[it->index].closedAt = now;
    HWND box = it->box;
    it = open_.erase(it);
    SendMessageA(box, WM_COMMAND, MAKEWPARAM(result, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, result)));
  }
  while (!steps_.empty() || waiting_) {
    if (waiting_) {
      if (static_cast<int>(GetTickCount() - waitUntil_) < 0) break;
      waiting_ = false;
      continue;
    }
    Step step = std::move(steps_.front());
    steps_.pop_front();
    if (!step.action) {
      waiting_ = true;
      waitUntil_ = GetTickCount() + step.waitMs;
      continue;
    }
    step.action();
    break;  // let the program take in what the step did
  }
  // When a script is used up, the run ends, as it does on the headless desktop.
  bool done = scripted_ && steps_.empty() && !waiting_ && open_.empty() && openMenus_.empty();
  bool late = static_cast<int>(GetTickCount() - deadline_) >= 0;
  if (done || (late && (scripted_ || !open_.empty()))) {
    if (!done) ADD_FAILURE() << "the test user gave up after " << kGiveUpAfterMs << " ms";
    scripted_ = false;
    steps_.clear();
    waiting_ = false;
    PostQuitMessage(0);
  }
  running_ = false;
}
