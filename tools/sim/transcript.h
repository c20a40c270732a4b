// The run's transcript: one JSON object a line, texts in UTF-8, written as
// things happen. It hears the desktop through the session's event observer
// and the scenario's own steps (start, errors, screenshots, exit) through
// its methods; the last line is the program's state.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <string>

#include <nlohmann/json.hpp>

#include "platform/desktop/event_observer.h"

namespace sim {

// What the program left alive when it ended, beyond what there was before
// it started: drawing objects and windows. Zero when it cleaned up.
struct LeftOver {
  int gdiObjects = 0;
  int windows = 0;
};

class Transcript : public desktop::EventObserver {
 public:
  using Line = nlohmann::ordered_json;

  // `clock` gives the virtual time for the optional "t" field.
  Transcript(std::ostream& out, std::function<DWORD()> clock, bool withTimes);

  void Start(const std::string& program, const std::optional<std::string>& startPage);
  void ActionFailed(std::size_t action, const std::string& message);
  void ScreenshotWritten(const std::string& file);
  void Exit(const LeftOver& left);
  // The last line: the process-wide state and the windows as they were when
  // the run began to end.
  void FinalState();

  bool anyActionFailed() const { return anyActionFailed_; }

  // desktop::EventObserver
  void BeforeNavigate(HWND browser, const std::string& address, bool topLevel,
                      bool cancelled) override;
  void DocumentComplete(HWND browser, const std::string& address, bool topLevel) override;
  void MessageBoxClosed(const desktop::MessageBoxRecord& box) override;
  void ShellExecuted(const desktop::ShellExecuteRecord& call) override;
  void MenuClosed(const desktop::MenuRecord& menu) override;
  void WindowPositionChanged(HWND window) override;
  void DialogEnded(HWND dialog) override;
  void WindowDestroying(HWND window) override;
  void RegistryValueSet(const std::string& keyPath, const std::string& name, DWORD type,
                        const std::string& data) override;
  void RegistryValueDeleted(const std::string& keyPath, const std::string& name) override;
  void ShortcutSaved(const std::string& windowsPath) override;
  void NotifyIconAdded(const desktop::NotifyIcon& icon) override;
  void NotifyIconDeleted(const desktop::NotifyIcon& icon) override;
  void InputEnded() override;

 private:
  // What the transcript last saw of a named window.
  struct WindowSeen {
    std::string showState;
    bool fullScreen = false;
    std::string title;  // UTF-8, as the skinned frame draws it
  };

  void Write(Line line);
  void See(const std::string& name, HWND hwnd);
  // Takes the state line's picture of the windows, once.
  void Freeze();

  std::ostream& out_;
  std::function<DWORD()> clock_;
  bool withTimes_;
  std::map<std::string, WindowSeen> seen_;  // by window name
  std::set<HWND> goneWindows_;  // being destroyed: their hiding is not news
  std::optional<std::map<std::string, WindowSeen>> frozen_;
  bool anyActionFailed_ = false;
};

}  // namespace sim
