// Watches the X server from outside for the first frame a process shows:
// the moment the first pixels it draws on one of its top-level windows
// reach the server. Both sides of a comparison are timed by the same
// watcher, so the round trip to the server costs them alike.
#pragma once

#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <sys/types.h>

#include <map>
#include <optional>
#include <string>

namespace bench {

class FirstFrameWatch {
 public:
  FirstFrameWatch() = default;
  ~FirstFrameWatch();
  FirstFrameWatch(const FirstFrameWatch&) = delete;
  FirstFrameWatch& operator=(const FirstFrameWatch&) = delete;

  // Connects to $DISPLAY and starts following the top-level windows.
  bool Open(std::string* error);
  int fd() const;

  // Forgets what was seen so far: call just before starting a process.
  void Reset();
  // The process whose windows count (its descendants' too); windows that
  // name another process in _NET_WM_PID are left out.
  void Follow(pid_t pid) { owner_ = pid; }
  // Handles whatever the server has sent.
  void Dispatch();

  // When the first frame arrived (CLOCK_BOOTTIME, ms), once it has.
  std::optional<double> firstFrameBootMs() const { return firstFrame_; }
  // True when a window was mapped before the watcher could follow it: its
  // first frame may have gone unseen, and the run should be repeated.
  bool missedAWindow() const { return missed_; }

 private:
  struct TopLevel {
    Damage damage = 0;     // 0: not drawable (an InputOnly window)
    bool exposed = false;  // mapped, visible, and its Expose has come
  };

  void Created(Window window);
  void Exposed(Window window);
  void Damaged(const XDamageNotifyEvent& event);
  void StopFollowing();
  bool Foreign(Window window);

  Display* display_ = nullptr;
  int damageEventBase_ = 0;
  Atom wmPid_ = 0;
  pid_t owner_ = -1;
  std::map<Window, TopLevel> windows_;
  std::optional<double> firstFrame_;
  bool missed_ = false;
};

}  // namespace bench
