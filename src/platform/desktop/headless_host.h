// The headless host: a virtual clock that only moves when the script says
// so, and a scripted user who presses keys, waits and answers message boxes.
// The script runs whenever the program waits for input; when it is used up,
// the run ends (the thread receives WM_QUIT).
#pragma once

#include <deque>
#include <functional>
#include <set>
#include <string>

#include "platform/api/user_constants.h"
#include "platform/desktop/host.h"
#include "platform/desktop/menu_state.h"

namespace desktop {

class HeadlessHost : public Host {
 public:
  // Script steps, run in order. Steps added while an action (Do) runs come
  // right after it, before the rest of the script.
  HeadlessHost& Wait(DWORD ms);
  // Lets the clock run until it reads `time` (nothing when it is past).
  HeadlessHost& WaitUntil(DWORD time);
  HeadlessHost& KeyDown(int virtualKey);
  HeadlessHost& KeyUp(int virtualKey);
  HeadlessHost& Press(int virtualKey);             // down and up
  HeadlessHost& PressWithAlt(int virtualKey);      // Alt held around the key
  HeadlessHost& Do(std::string what, std::function<void()> action);
  // The mouse: moving the cursor to a screen point, pressing and releasing
  // a button (VK_LBUTTON or VK_RBUTTON) where the cursor is.
  HeadlessHost& MoveMouse(POINT screenPoint);
  HeadlessHost& MouseDown(int button = VK_LBUTTON);
  HeadlessHost& MouseUp(int button = VK_LBUTTON);
  HeadlessHost& Click(POINT screenPoint);  // move there, press and release the left button

  // Message boxes are answered in the order they open: each takes the next
  // queued answer, given `afterMs` after it opened. A box with no queued
  // answer is answered at once with its default button.
  HeadlessHost& AnswerBox(int result, DWORD afterMs = 0);

  // Pop-up menus take the queued choices in the order they open: each is
  // made `afterMs` after the menu opened. A menu with no queued choice is
  // dismissed at once. Items are named by command or by their text as the
  // user reads it ("Close" for "&Close\tAlt+F4"); a greyed item cannot be
  // chosen and leaves the menu open.
  HeadlessHost& ChooseMenuItem(UINT command, DWORD afterMs = 0);
  HeadlessHost& ChooseMenuItem(std::string text, DWORD afterMs = 0);
  HeadlessHost& DismissMenu(DWORD afterMs = 0);

  // Moves the clock directly, for tests that pump messages themselves.
  void Advance(DWORD ms) { now_ += ms; }

  bool scriptDone() const { return steps_.empty(); }

  DWORD Now() const override { return now_; }
  bool WaitForInput(std::optional<DWORD> deadline) override;
  void MessageBoxOpened(HWND box) override;
  void MenuOpened() override;
  bool IsKeyDown(int virtualKey) const override { return held_.count(virtualKey) != 0; }

 private:
  struct Step {
    enum Kind { kWait, kWaitUntil, kKeyDown, kKeyUp, kAction, kMouseMove } kind;
    DWORD ms = 0;
    int key = 0;  // a key, or a mouse button
    std::string what;
    std::function<void()> action;
    POINT point{0, 0};
  };
  struct PendingAnswer {
    HWND box;
    int result;  // 0: the box's default button
    DWORD due;
  };
  struct QueuedAnswer {
    int result;
    DWORD afterMs;
  };

  struct QueuedMenuChoice {
    MenuChoice choice;
    DWORD afterMs;
  };
  struct PendingMenuChoice {
    MenuChoice choice;
    DWORD due;
  };

  void RunStep(Step& step);
  void MakeMenuChoice(const MenuChoice& choice);
  void Answer(const PendingAnswer& answer);

  DWORD now_ = 0;
  std::deque<Step> steps_;
  bool waiting_ = false;
  DWORD waitUntil_ = 0;
  std::deque<QueuedAnswer> queuedAnswers_;
  std::deque<PendingAnswer> pendingAnswers_;
  std::set<int> held_;
  std::deque<QueuedMenuChoice> queuedMenuChoices_;
  std::optional<PendingMenuChoice> pendingMenuChoice_;
};

}  // namespace desktop
