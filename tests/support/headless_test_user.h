// The test user on the portable desktop: the headless host's scripted user.
#pragma once

#include "platform/desktop/headless_host.h"
#include "platform/desktop/session.h"
#include "tests/support/test_user.h"

class HeadlessTestUser : public TestUser {
 public:
  HeadlessTestUser(desktop::HeadlessHost& host, desktop::Session& session)
      : host_(host), session_(session) {}
  TestUser& Wait(DWORD ms) override { return host_.Wait(ms), *this; }
  TestUser& Press(int key) override { return host_.Press(key), *this; }
  TestUser& PressWithAlt(int key) override { return host_.PressWithAlt(key), *this; }
  TestUser& Do(std::string what, std::function<void()> action) override {
    return host_.Do(std::move(what), std::move(action)), *this;
  }
  TestUser& MoveMouse(POINT p) override { return host_.MoveMouse(p), *this; }
  TestUser& MouseDown(int button) override { return host_.MouseDown(button), *this; }
  TestUser& MouseUp(int button) override { return host_.MouseUp(button), *this; }
  TestUser& AnswerBox(int result, DWORD afterMs) override {
    return host_.AnswerBox(result, afterMs), *this;
  }
  TestUser& ChooseMenuItem(UINT command, DWORD afterMs) override {
    return host_.ChooseMenuItem(command, afterMs), *this;
  }
  TestUser& DismissMenu(DWORD afterMs) override { return host_.DismissMenu(afterMs), *this; }
  void Advance(DWORD ms) override { host_.Advance(ms); }
  std::vector<SeenBox> Boxes() const override {
    std::vector<SeenBox> boxes;
    for (const desktop::MessageBoxRecord& r : session_.boxes()) {
      boxes.push_back({r.owner, r.caption, r.text, r.result, r.openedAt, r.closedAt});
    }
    return boxes;
  }
  desktop::HeadlessHost& host() { return host_; }

 private:
  desktop::HeadlessHost& host_;
  desktop::Session& session_;
};
