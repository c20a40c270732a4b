// The user of a test. On the portable desktop it is the headless host's
// scripted user on the virtual clock; on Windows a stand-in that acts from
// a thread timer whenever the program's loops dispatch messages, on the
// real clock. Either way the steps run in order while the code under test
// waits for input, and when they are used up the thread is asked to quit.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/win32api.h"

// A message box as the user saw it.
struct SeenBox {
  HWND owner = nullptr;
  std::string caption;
  std::string text;
  int result = 0;
  DWORD openedAt = 0;
  DWORD closedAt = 0;
};

class TestUser {
 public:
  virtual ~TestUser() = default;
  virtual TestUser& Wait(DWORD ms) = 0;
  virtual TestUser& Press(int virtualKey) = 0;
  virtual TestUser& PressWithAlt(int virtualKey) = 0;
  virtual TestUser& Do(std::string what, std::function<void()> action) = 0;
  // The mouse: the cursor to a screen point; a button (VK_LBUTTON or
  // VK_RBUTTON) down or up where the cursor is.
  virtual TestUser& MoveMouse(POINT screenPoint) = 0;
  virtual TestUser& MouseDown(int button = VK_LBUTTON) = 0;
  virtual TestUser& MouseUp(int button = VK_LBUTTON) = 0;
  TestUser& Click(POINT screenPoint) { return MoveMouse(screenPoint).MouseDown().MouseUp(); }
  // Message boxes take the queued answers in the order they open; a box
  // with none is answered at once with its default button.
  virtual TestUser& AnswerBox(int result, DWORD afterMs = 0) = 0;
  // Pop-up menus take the queued choices in the order they open: an item of
  // the menu's own level by command, or dismissal; a menu with none is
  // dismissed at once.
  virtual TestUser& ChooseMenuItem(UINT command, DWORD afterMs = 0) = 0;
  virtual TestUser& DismissMenu(DWORD afterMs = 0) = 0;
  // Lets time pass without delivering anything.
  virtual void Advance(DWORD ms) = 0;
  virtual std::vector<SeenBox> Boxes() const = 0;
};
