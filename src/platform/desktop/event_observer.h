// The observer seam: what a run's watcher (tessal-sim's transcript) hears of
// the things a user or another program would notice. The desktop calls it
// at the moment each happens; every method does nothing unless overridden.
// Texts are code page 936 bytes as the program passed them, unless noted.
#pragma once

#include <string>

#include "platform/api/win_types.h"

namespace desktop {

struct MenuRecord;
struct MessageBoxRecord;
struct NotifyIcon;
struct ShellExecuteRecord;

class EventObserver {
 public:
  virtual ~EventObserver() = default;

  // A browser window is about to navigate (addresses UTF-8); `cancelled`
  // is what its host decided, so whatever the host did meanwhile was heard
  // first.
  virtual void BeforeNavigate(HWND /*browser*/, const std::string& /*address*/, bool /*topLevel*/,
                              bool /*cancelled*/) {}
  virtual void DocumentComplete(HWND /*browser*/, const std::string& /*address*/,
                                bool /*topLevel*/) {}
  // A message box was closed, with the record's result filled in.
  virtual void MessageBoxClosed(const MessageBoxRecord& /*box*/) {}
  virtual void ShellExecuted(const ShellExecuteRecord& /*call*/) {}
  // A pop-up menu closed, chosen from or dismissed, with the items as the
  // user saw them when it opened.
  virtual void MenuClosed(const MenuRecord& /*menu*/) {}
  // A window's position, size, visibility or show state may have changed
  // (after WM_WINDOWPOSCHANGED).
  virtual void WindowPositionChanged(HWND /*window*/) {}
  // EndDialog was called for a dialog (before it is hidden).
  virtual void DialogEnded(HWND /*dialog*/) {}
  // A window is about to be destroyed (before it is hidden).
  virtual void WindowDestroying(HWND /*window*/) {}
  // A registry value was written or removed through the API (`keyPath` is
  // the full path, root name first).
  virtual void RegistryValueSet(const std::string& /*keyPath*/, const std::string& /*name*/,
                                DWORD /*type*/, const std::string& /*data*/) {}
  virtual void RegistryValueDeleted(const std::string& /*keyPath*/, const std::string& /*name*/) {}
  // A shell link object saved itself to a file (a Windows path).
  virtual void ShortcutSaved(const std::string& /*windowsPath*/) {}
  virtual void NotifyIconAdded(const NotifyIcon& /*icon*/) {}
  virtual void NotifyIconDeleted(const NotifyIcon& /*icon*/) {}
  // The host will deliver no more input: the run is about to end.
  virtual void InputEnded() {}
};

// The current session's observer; one that hears nothing when none is set.
EventObserver& Observer();

}  // namespace desktop
