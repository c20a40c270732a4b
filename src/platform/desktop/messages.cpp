// The thread's message queue: sent and posted messages, input, painting,
// timers and the quit message, delivered in Windows' order.
#include <algorithm>

#include "platform/desktop/host.h"
#include "platform/desktop/input.h"
#include "platform/desktop/mouse.h"
#include "platform/desktop/state.h"

using desktop::Current;
using desktop::Window;

namespace {

constexpr UINT kMinimumTimerPeriod = 10;  // USER_TIMER_MINIMUM

bool InRange(UINT message, UINT low, UINT high) {
  if (low == 0 && high == 0) return true;
  return message >= low && message <= high;
}

bool IsMouseMessage(UINT message) {
  return (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
         (message >= WM_NCMOUSEMOVE && message <= WM_NCRBUTTONDBLCLK);
}

bool ForWindow(HWND target, HWND filter) {
  if (!filter) return true;
  return target == filter || IsChild(filter, target);
}

// Every message carries the time and the cursor position when it is taken;
// mouse messages keep the position of their event.
MSG Stamp(MSG msg) {
  msg.time = Current().host->Now();
  if (!IsMouseMessage(msg.message)) msg.pt = Current().mouse.cursor;
  return msg;
}

// Raw mouse events (no window yet) wait in the input queue until they are
// resolved at its front; they are never handed out as they are.
bool IsRawMouseEvent(const MSG& m) { return !m.hwnd && IsMouseMessage(m.message); }

bool TakeFrom(std::deque<MSG>& queue, MSG* out, HWND filter, UINT low, UINT high, bool remove) {
  bool input = &queue == &Current().input;
  for (auto it = queue.begin(); it != queue.end(); ++it) {
    if (input && IsRawMouseEvent(*it)) continue;
    if (InRange(it->message, low, high) && ForWindow(it->hwnd, filter)) {
      *out = *it;
      if (remove) queue.erase(it);
      return true;
    }
  }
  return false;
}

bool FindPaint(const std::vector<HWND>& order, MSG* out, HWND filter) {
  desktop::State& s = Current();
  for (HWND hwnd : order) {
    Window* w = s.Find(hwnd);
    if (!w || !(w->style & WS_VISIBLE)) continue;
    if (w->needsPaint && ForWindow(hwnd, filter)) {
      *out = MSG{hwnd, WM_PAINT, 0, 0, 0, {0, 0}};
      return true;
    }
    if (FindPaint(w->children, out, filter)) return true;
  }
  return false;
}

bool FindTimer(MSG* out, HWND filter, bool remove) {
  desktop::State& s = Current();
  DWORD now = s.host->Now();
  desktop::Timer* due = nullptr;
  for (desktop::Timer& t : s.timers) {
    if (static_cast<int>(now - t.due) >= 0 && ForWindow(t.hwnd, filter) &&
        (!due || static_cast<int>(t.due - due->due) < 0)) {
      due = &t;
    }
  }
  if (!due) return false;
  *out = MSG{due->hwnd, WM_TIMER, due->id, reinterpret_cast<LPARAM>(due->proc), 0, {0, 0}};
  // A timer's next tick counts from when this one is taken, so it is never
  // queued twice.
  if (remove) due->due = now + due->period;
  return true;
}

// The next message in Windows' order: posted, quit, input, paint, timer.
bool NextMessage(MSG* out, HWND filter, UINT low, UINT high, bool remove) {
  desktop::State& s = Current();
  desktop::PostDueHover();
  desktop::ResolveMouseInput();
  if (TakeFrom(s.posted, out, filter, low, high, remove)) return (*out = Stamp(*out)), true;
  if (s.quitPosted && InRange(WM_QUIT, low, high)) {
    *out = Stamp(MSG{nullptr, WM_QUIT, static_cast<WPARAM>(s.quitCode), 0, 0, {0, 0}});
    if (remove) s.quitPosted = false;
    return true;
  }
  if (TakeFrom(s.input, out, filter, low, high, remove)) return (*out = Stamp(*out)), true;
  if (InRange(WM_PAINT, low, high) && FindPaint(s.topLevels, out, filter)) {
    return (*out = Stamp(*out)), true;
  }
  if (InRange(WM_TIMER, low, high) && FindTimer(out, filter, remove)) {
    return (*out = Stamp(*out)), true;
  }
  return false;
}

// The next moment the clock brings something: a timer or a mouse hover.
std::optional<DWORD> NextClockEvent() {
  std::optional<DWORD> next = desktop::NextHoverDue();
  for (const desktop::Timer& t : Current().timers) {
    if (!next || static_cast<int>(t.due - *next) < 0) next = t.due;
  }
  return next;
}

// Lets the host deliver input; when it never will again, the run ends.
void WaitForHost() {
  desktop::State& s = Current();
  if (!s.host->WaitForInput(NextClockEvent())) {
    if (!s.quitPosted) {
      desktop::Log("the user is done: the run ends");
      desktop::Observer().InputEnded();
    }
    s.quitPosted = true;
  }
}

bool IsCharacterKey(WPARAM key, char* out) {
  if (key >= 'A' && key <= 'Z') {
    bool shift = GetAsyncKeyState(VK_SHIFT) < 0;
    *out = static_cast<char>(shift ? key : key - 'A' + 'a');
    return true;
  }
  if ((key >= '0' && key <= '9') || key == VK_SPACE) {
    *out = static_cast<char>(key);
    return true;
  }
  switch (key) {
    case VK_RETURN: *out = '\r'; return true;
    case VK_ESCAPE: *out = 0x1B; return true;
    case VK_BACK: *out = '\b'; return true;
    case VK_TAB: *out = '\t'; return true;
    default: return false;
  }
}

}  // namespace

namespace desktop {

LRESULT Send(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Window* w = Current().Require(hwnd);
  if (!w) return 0;
  return CallWindowProcA(w->proc, hwnd, message, wParam, lParam);
}

void RemoveTimersOf(HWND hwnd) {
  auto& timers = Current().timers;
  timers.erase(std::remove_if(timers.begin(), timers.end(),
                              [hwnd](const Timer& t) { return t.hwnd == hwnd; }),
               timers.end());
}

void DropQueuedMessagesFor(HWND hwnd) {
  for (std::deque<MSG>* queue : {&Current().posted, &Current().input}) {
    queue->erase(std::remove_if(queue->begin(), queue->end(),
                                [hwnd](const MSG& m) { return m.hwnd == hwnd; }),
                 queue->end());
  }
}

void InjectKey(int virtualKey, bool down) {
  State& s = Current();
  HWND target = s.focus ? s.focus : s.active;
  if (!target) return;
  bool alt = s.host->IsKeyDown(VK_MENU);
  bool control = s.host->IsKeyDown(VK_CONTROL);
  // Keys with Alt held (and Alt itself) are system keys, unless Ctrl is held too.
  bool system = (alt || virtualKey == VK_MENU) && !control;
  UINT message = down ? (system ? WM_SYSKEYDOWN : WM_KEYDOWN) : (system ? WM_SYSKEYUP : WM_KEYUP);
  LPARAM lParam = 1;
  if (alt) lParam |= 1L << 29;
  if (!down) lParam |= (1L << 30) | (1L << 31);
  s.input.push_back(MSG{target, message, static_cast<WPARAM>(virtualKey), lParam, 0, {0, 0}});
}

}  // namespace desktop

LRESULT WINAPI SendMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return desktop::Send(hwnd, message, wParam, lParam);
}

BOOL WINAPI PostMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  desktop::State& s = Current();
  if (hwnd && !s.Require(hwnd)) return FALSE;
  s.posted.push_back(MSG{hwnd, message, wParam, lParam, 0, {0, 0}});
  return TRUE;
}

BOOL WINAPI PeekMessageA(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT remove) {
  return NextMessage(msg, hwnd, filterMin, filterMax, (remove & PM_REMOVE) != 0) ? TRUE : FALSE;
}

BOOL WINAPI GetMessageA(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax) {
  while (!NextMessage(msg, hwnd, filterMin, filterMax, true)) WaitForHost();
  return msg->message == WM_QUIT ? FALSE : TRUE;
}

BOOL WINAPI WaitMessage() {
  MSG msg;
  if (!NextMessage(&msg, nullptr, 0, 0, false)) WaitForHost();
  return TRUE;
}

BOOL WINAPI TranslateMessage(const MSG* msg) {
  // Any key message counts as translated, whether or not it gives a character.
  bool key = msg->message == WM_KEYDOWN || msg->message == WM_SYSKEYDOWN ||
             msg->message == WM_KEYUP || msg->message == WM_SYSKEYUP;
  if (!key) return FALSE;
  char c = 0;
  if (msg->message == WM_KEYUP || msg->message == WM_SYSKEYUP) return TRUE;
  if (!IsCharacterKey(msg->wParam, &c)) return TRUE;
  UINT charMessage = msg->message == WM_KEYDOWN ? WM_CHAR : WM_SYSCHAR;
  Current().posted.push_back(MSG{msg->hwnd, charMessage, static_cast<WPARAM>(static_cast<unsigned char>(c)),
                                  msg->lParam, 0, {0, 0}});
  return TRUE;
}

LRESULT WINAPI DispatchMessageA(const MSG* msg) {
  if (msg->message == WM_TIMER && msg->lParam != 0) {
    auto proc = reinterpret_cast<TIMERPROC>(msg->lParam);
    proc(msg->hwnd, WM_TIMER, msg->wParam, msg->time);
    return 0;
  }
  if (!msg->hwnd) return 0;
  LRESULT result = desktop::Send(msg->hwnd, msg->message, msg->wParam, msg->lParam);
  return result;
}

void WINAPI PostQuitMessage(int exitCode) {
  desktop::State& s = Current();
  s.quitPosted = true;
  s.quitCode = exitCode;
}

UINT_PTR WINAPI SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc) {
  desktop::State& s = Current();
  if (hwnd && !s.Require(hwnd)) return 0;
  elapse = std::max(elapse, kMinimumTimerPeriod);
  if (!hwnd) {
    // Thread timers get an id of their own.
    UINT_PTR next = 1;
    for (const desktop::Timer& t : s.timers) if (!t.hwnd) next = std::max(next, t.id + 1);
    id = next;
  }
  for (desktop::Timer& t : s.timers) {
    if (t.hwnd == hwnd && t.id == id) {
      t.period = elapse;
      t.due = s.host->Now() + elapse;
      t.proc = proc;
      return hwnd ? id : t.id;
    }
  }
  s.timers.push_back(desktop::Timer{hwnd, id, elapse, s.host->Now() + elapse, proc});
  return hwnd ? (id ? id : 1) : id;
}

BOOL WINAPI KillTimer(HWND hwnd, UINT_PTR id) {
  auto& timers = Current().timers;
  auto it = std::find_if(timers.begin(), timers.end(), [&](const desktop::Timer& t) {
    return t.hwnd == hwnd && t.id == id;
  });
  if (it == timers.end()) return FALSE;
  timers.erase(it);
  return TRUE;
}

SHORT WINAPI GetAsyncKeyState(int key) {
  return Current().host->IsKeyDown(key) ? static_cast<SHORT>(0x8000) : 0;
}

SHORT WINAPI GetKeyState(int key) { return GetAsyncKeyState(key); }
