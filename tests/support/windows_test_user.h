// The test user on Windows: acts from a thread timer, so that its steps
// run inside whatever loop the code under test is running (a modal
// dialog's, a message box's). Keys are posted to the focused window, boxes
// are found among the thread's windows and answered with WM_COMMAND.
#pragma once

#include <deque>
#include <set>

#include "tests/support/test_user.h"

class WindowsTestUser : public TestUser {
 public:
  WindowsTestUser();
  ~WindowsTestUser() override;
  TestUser& Wait(DWORD ms) override;
  TestUser& Press(int key) override;
  TestUser& PressWithAlt(int key) override;
  TestUser& Do(std::string what, std::function<void()> action) override;
  TestUser& MoveMouse(POINT screenPoint) override;
  TestUser& MouseDown(int button) override;
  TestUser& MouseUp(int button) override;
  TestUser& AnswerBox(int result, DWORD afterMs) override;
  TestUser& ChooseMenuItem(UINT command, DWORD afterMs) override;
  TestUser& DismissMenu(DWORD afterMs) override;
  void Advance(DWORD ms) override { ::Sleep(ms); }
  std::vector<SeenBox> Boxes() const override;

 private:
  struct Step {
    DWORD waitMs = 0;
    std::function<void()> action;  // null for a wait
  };
  struct Answer {
    int result;
    DWORD afterMs;
  };
  struct OpenBox {
    HWND box;
    std::size_t index;  // into boxes_
    int result;
    DWORD due;
  };
  struct MenuChoice {
    UINT command;  // 0: dismiss
    DWORD afterMs;
  };
  struct OpenMenu {
    HWND window;
    UINT command;
    DWORD due;
  };
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
  void WatchForMenus();
  void AnswerMenus();
  void Start();
  void Run();
  void WatchForBoxes();
  static void PostKey(int key, bool alt);
  static void SendMouse(DWORD flags);

  std::deque<Step> steps_;
  std::deque<Answer> answers_;
  std::vector<OpenBox> open_;
  std::vector<SeenBox> boxes_;
  std::set<HWND> known_;
  std::deque<MenuChoice> menuChoices_;
  std::vector<OpenMenu> openMenus_;
  std::set<HWND> knownMenus_;
  UINT_PTR timer_ = 0;
  bool waiting_ = false;
  DWORD waitUntil_ = 0;
  bool running_ = false;
  bool scripted_ = false;
  DWORD deadline_ = 0;
};
