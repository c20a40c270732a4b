#include "platform/desktop/headless_host.h"

#include <algorithm>

#include "platform/api/user_functions.h"
#include "platform/desktop/input.h"
#include "platform/desktop/mouse.h"
#include "platform/desktop/state.h"

namespace desktop {
namespace {

bool IsMouseButton(int key) { return key == VK_LBUTTON || key == VK_RBUTTON; }

}  // namespace

HeadlessHost& HeadlessHost::Wait(DWORD ms) {
  steps_.push_back({Step::kWait, ms, 0, {}, {}});
  return *this;
}

HeadlessHost& HeadlessHost::WaitUntil(DWORD time) {
  steps_.push_back({Step::kWaitUntil, time, 0, {}, {}});
  return *this;
}

HeadlessHost& HeadlessHost::KeyDown(int virtualKey) {
  steps_.push_back({Step::kKeyDown, 0, virtualKey, {}, {}});
  return *this;
}

HeadlessHost& HeadlessHost::KeyUp(int virtualKey) {
  steps_.push_back({Step::kKeyUp, 0, virtualKey, {}, {}});
  return *this;
}

HeadlessHost& HeadlessHost::Press(int virtualKey) { return KeyDown(virtualKey).KeyUp(virtualKey); }

HeadlessHost& HeadlessHost::PressWithAlt(int virtualKey) {
  return KeyDown(VK_MENU).Press(virtualKey).KeyUp(VK_MENU);
}

HeadlessHost& HeadlessHost::Do(std::string what, std::function<void()> action) {
  steps_.push_back({Step::kAction, 0, 0, std::move(what), std::move(action)});
  return *this;
}

HeadlessHost& HeadlessHost::MoveMouse(POINT screenPoint) {
  Step step{Step::kMouseMove, 0, 0, {}, {}};
  step.point = screenPoint;
  steps_.push_back(std::move(step));
  return *this;
}

// Mouse buttons are held like keys; the desktop tells them apart.
HeadlessHost& HeadlessHost::MouseDown(int button) { return KeyDown(button); }
HeadlessHost& HeadlessHost::MouseUp(int button) { return KeyUp(button); }

HeadlessHost& HeadlessHost::Click(POINT screenPoint) {
  return MoveMouse(screenPoint).MouseDown(VK_LBUTTON).MouseUp(VK_LBUTTON);
}

HeadlessHost& HeadlessHost::AnswerBox(int result, DWORD afterMs) {
  queuedAnswers_.push_back({result, afterMs});
  return *this;
}

void HeadlessHost::MessageBoxOpened(HWND box) {
  QueuedAnswer answer{0, 0};
  if (!queuedAnswers_.empty()) {
    answer = queuedAnswers_.front();
    queuedAnswers_.pop_front();
  }
  pendingAnswers_.push_back({box, answer.result, now_ + answer.afterMs});
  std::stable_sort(pendingAnswers_.begin(), pendingAnswers_.end(),
                   [](const PendingAnswer& a, const PendingAnswer& b) { return a.due < b.due; });
}

HeadlessHost& HeadlessHost::ChooseMenuItem(UINT command, DWORD afterMs) {
  queuedMenuChoices_.push_back({MenuChoice{MenuChoice::kById, command, {}}, afterMs});
  return *this;
}

HeadlessHost& HeadlessHost::ChooseMenuItem(std::string text, DWORD afterMs) {
  queuedMenuChoices_.push_back({MenuChoice{MenuChoice::kByText, 0, std::move(text)}, afterMs});
  return *this;
}

HeadlessHost& HeadlessHost::DismissMenu(DWORD afterMs) {
  queuedMenuChoices_.push_back({MenuChoice{}, afterMs});
  return *this;
}

void HeadlessHost::MenuOpened() {
  QueuedMenuChoice next{MenuChoice{}, 0};
  if (!queuedMenuChoices_.empty()) {
    next = queuedMenuChoices_.front();
    queuedMenuChoices_.pop_front();
  }
  pendingMenuChoice_ = PendingMenuChoice{next.choice, now_ + next.afterMs};
}

void HeadlessHost::MakeMenuChoice(const MenuChoice& choice) {
  switch (choice.kind) {
    case MenuChoice::kDismiss: Log("user: dismisses the menu"); break;
    case MenuChoice::kById: Log("user: chooses command " + std::to_string(choice.id)); break;
    case MenuChoice::kByText: Log("user: chooses \"" + choice.text + "\""); break;
  }
  ChooseFromOpenMenu(choice);
}

void HeadlessHost::Answer(const PendingAnswer& answer) {
  if (!IsWindow(answer.box)) return;
  int result = answer.result != 0 ? answer.result : DefaultMessageBoxButton(answer.box);
  for (MessageBoxRecord& record : Current().boxes) {
    if (record.box == answer.box && record.open) record.defaultAnswer = answer.result == 0;
  }
  Log("user: answers the message box with " + MessageBoxButtonName(result));
  SendMessageA(answer.box, WM_COMMAND, MAKEWPARAM(result, BN_CLICKED), 0);
}

void HeadlessHost::RunStep(Step& step) {
  switch (step.kind) {
    case Step::kWait:
      waiting_ = true;
      waitUntil_ = now_ + step.ms;
      break;
    case Step::kWaitUntil:
      waiting_ = true;
      waitUntil_ = std::max(now_, step.ms);
      break;
    case Step::kKeyDown:
      held_.insert(step.key);
      if (IsMouseButton(step.key)) InjectMouseButton(step.key, true);
      else InjectKey(step.key, true);
      break;
    case Step::kKeyUp:
      held_.erase(step.key);
      if (IsMouseButton(step.key)) InjectMouseButton(step.key, false);
      else InjectKey(step.key, false);
      break;
    case Step::kMouseMove:
      InjectMouseMove(step.point);
      break;
    case Step::kAction: {
      if (!step.what.empty()) Log("user: " + step.what);
      // What the action adds goes before the rest of the script.
      std::deque<Step> rest = std::move(steps_);
      steps_.clear();
      step.action();
      for (Step& later : rest) steps_.push_back(std::move(later));
      break;
    }
  }
}

bool HeadlessHost::WaitForInput(std::optional<DWORD> deadline) {
  for (;;) {
    // The next moment at which the user does something.
    std::optional<DWORD> next;
    if (!pendingAnswers_.empty()) next = pendingAnswers_.front().due;
    if (pendingMenuChoice_) next = next ? std::min(*next, pendingMenuChoice_->due) : pendingMenuChoice_->due;
    if (waiting_) {
      next = next ? std::min(*next, waitUntil_) : waitUntil_;
    } else if (!steps_.empty()) {
      next = now_;
    }
    if (!next) return false;  // the script is used up: the run ends

    if (deadline && *deadline < *next) {
      now_ = std::max(now_, *deadline);  // a timer falls due first
      return true;
    }
    now_ = std::max(now_, *next);

    if (!pendingAnswers_.empty() && pendingAnswers_.front().due <= now_) {
      PendingAnswer answer = pendingAnswers_.front();
      pendingAnswers_.pop_front();
      Answer(answer);
      return true;
    }
    if (pendingMenuChoice_ && pendingMenuChoice_->due <= now_) {
      MenuChoice choice = pendingMenuChoice_->choice;
      pendingMenuChoice_.reset();
      MakeMenuChoice(choice);
      return true;
    }
    if (waiting_) {
      if (now_ < waitUntil_) continue;
      waiting_ = false;
    }
    if (steps_.empty()) continue;
    Step step = std::move(steps_.front());
    steps_.pop_front();
    RunStep(step);
    if (step.kind != Step::kWait && step.kind != Step::kWaitUntil) return true;
  }
}

}  // namespace desktop
