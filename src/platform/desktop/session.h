// A run of the portable desktop: its screen, its root folder, the program
// file it pretends to run, its resources and its host. Tests and the
// program's entry point create one; the Windows API calls work on the
// current one.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/desktop/event_observer.h"
#include "platform/desktop/host.h"
#include "platform/desktop/resource_model.h"
#include "platform/desktop/state.h"

namespace desktop {

class FileSystem;
class RegistryStore;
class UrlCacheStore;

struct SessionOptions {
  // Real folder that holds drive C: (as "c/") and any other run data. Empty:
  // a fresh temporary folder, removed when the session ends.
  std::string rootFolder;
  // The program file as the program sees it (GetModuleFileNameA).
  std::string programPath = "C:\\Games\\Tessal\\Tessal.exe";
  const ResourceSet* resources = nullptr;
  int screenWidth = 1920;
  int screenHeight = 1080;
  RECT workArea{0, 0, 1920, 1040};
  // The host that shows the desktop; null: a headless host with an empty
  // script, owned by the session.
  std::unique_ptr<Host> host;
  // The user the program runs as (see Session::SetElevatedUser).
  bool elevatedUser = false;
  // Arguments that make another start of the program open this same run
  // (e.g. "--root DIR"): launchers the desktop writes for it carry them.
  std::vector<std::string> relaunchArguments;
  // Receives each transcript line as UTF-8 as it happens (optional).
  std::function<void(const std::string&)> transcriptSink;
};

class Session {
 public:
  explicit Session(SessionOptions options = {});
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  static Session& Current();
  static bool Exists();

  State& state() { return state_; }
  Host& host() { return *host_; }
  FileSystem& files() { return *files_; }
  const std::string& rootFolder() const { return root_; }
  const std::vector<std::string>& relaunchArguments() const { return relaunchArguments_; }

  // The real path for a Windows path (drive letters mapped as Wine does).
  std::string RealPath(const std::string& windowsPath) const;

  // Transcript lines in UTF-8, oldest first.
  const std::vector<std::string>& transcript() const { return transcript_; }
  void Log(const std::string& cp936Line);

  const std::vector<MessageBoxRecord>& boxes() const { return state_.boxes; }
  // Pop-up and window menus as the user saw them, oldest first.
  const std::vector<MenuRecord>& menus() const { return state_.menus.shown; }
  // The notification area's icons, in the order they were added.
  const std::vector<NotifyIcon>& notifyIcons() const { return state_.notifyIcons; }

  // The user the program runs as: a standard user (the default) is refused
  // write access to the machine's registry keys; an elevated one is not.
  void SetElevatedUser(bool elevated) { state_.elevatedUser = elevated; }
  // The version GetVersionExA reports (default 10.0.19045).
  void SetWindowsVersion(DWORD major, DWORD minor, DWORD build = 0) {
    state_.version = WindowsVersion{major, minor, build};
  }
  // Moves a special folder (CSIDL) to another Windows path; not created.
  void SetSpecialFolder(int csidl, std::string windowsPath) {
    state_.specialFolders[csidl] = std::move(windowsPath);
  }
  // ShellExecuteA calls, oldest first.
  const std::vector<ShellExecuteRecord>& shellExecutes() const { return state_.shellExecutes; }
  UrlCacheStore& urlCache() { return *urlCache_; }
  RegistryStore& registry() { return *registry_; }

  // The site the scripted web engine serves to browsers created from now on.
  void SetScriptedSite(std::shared_ptr<const web::ScriptedSite> site) {
    state_.scriptedSite = std::move(site);
  }

  // The watcher of the run's events (not owned; null: none). It must
  // outlive the session or be unset first.
  void SetEventObserver(EventObserver* observer) { observer_ = observer; }
  EventObserver* eventObserver() const { return observer_; }

  // Changes the screen as a display change would.
  void SetScreen(int width, int height, RECT workArea);

 private:
  State state_;
  std::unique_ptr<Host> host_;
  std::unique_ptr<FileSystem> files_;
  std::unique_ptr<RegistryStore> registry_;
  std::unique_ptr<UrlCacheStore> urlCache_;
  std::string root_;
  std::vector<std::string> relaunchArguments_;
  bool ownsRoot_ = false;
  std::vector<std::string> transcript_;
  std::function<void(const std::string&)> sink_;
  Session* previous_ = nullptr;
  EventObserver* observer_ = nullptr;
};

}  // namespace desktop
