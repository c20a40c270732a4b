// The portable desktop's internal state: windows, classes, the thread's
// queue, timers, hooks and message boxes. One instance lives in the current
// Session; the API functions in this folder work on it.
#pragma once

#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/api/kernel_functions.h"
#include "platform/api/user_functions.h"
#include "platform/desktop/event_observer.h"
#include "platform/desktop/mouse_state.h"
#include "platform/desktop/menu_state.h"
#include "platform/desktop/notify_icons.h"
#include "platform/desktop/gdi_state.h"
#include "platform/desktop/resource_model.h"

namespace desktop {

class Host;
class FileSystem;
class RegistryStore;
class UrlCacheStore;
namespace web {
class WebBrowser;
struct ScriptedSite;
}  // namespace web

struct WindowClass {
  std::string name;
  WNDPROC proc = nullptr;
  UINT style = 0;
  int wndExtra = 0;
  HINSTANCE instance = nullptr;
  HBRUSH background = nullptr;
  bool system = false;
};

struct DialogState {
  WORD templateId = 0;  // the resource it was made from; 0 for message boxes
  bool ended = false;
  INT_PTR result = 0;
  HFONT font = nullptr;
  int baseUnitX = 6;
  int baseUnitY = 13;
};

struct Window {
  HWND handle = nullptr;
  const WindowClass* cls = nullptr;
  WNDPROC proc = nullptr;
  DWORD style = 0;
  DWORD exStyle = 0;
  std::string text;
  HWND parent = nullptr;  // set for WS_CHILD windows
  HWND owner = nullptr;   // set for owned top-level windows
  RECT rect{};            // window rectangle: parent client coordinates, or screen
  RECT client{};          // client rectangle in window coordinates
  RECT normalRect{};      // the rectangle to restore to from minimised or maximised
  bool restoreMaximised = false;  // minimised from maximised: restoring maximises again
  int id = 0;
  HINSTANCE instance = nullptr;
  std::vector<BYTE> extra;  // cbWndExtra bytes (DWLP_* slots for dialogs)
  LONG_PTR userData = 0;
  std::vector<HWND> children;  // z-order, topmost first
  bool destroying = false;
  bool messageBox = false;
  bool sizeUnsent = false;  // created visible: WM_SIZE and WM_MOVE come with the first show  // logged as a box, not as a window
  bool needsPaint = false;  // the update region is not empty
  WindowGraphics gfx;       // update region, window region, layering, pixels
  HICON iconBig = nullptr;
  HICON iconSmall = nullptr;
  HFONT font = nullptr;
  HMENU systemMenu = nullptr;  // the window's own copy of the window menu, made on first use
  bool frameActive = false;    // the frame shows the active look (WM_NCACTIVATE)
  std::unique_ptr<DialogState> dialog;
};

struct Timer {
  HWND hwnd = nullptr;
  UINT_PTR id = 0;
  UINT period = 0;
  DWORD due = 0;
  TIMERPROC proc = nullptr;
};

struct Hook {
  HHOOK handle = nullptr;
  int kind = 0;
  HOOKPROC proc = nullptr;
};

// One message box as the user saw it.
struct MessageBoxRecord {
  HWND owner = nullptr;
  HWND box = nullptr;
  std::string caption;  // code page 936 bytes, as the program passed them
  std::string text;
  UINT type = 0;
  int result = 0;
  DWORD openedAt = 0;
  DWORD closedAt = 0;
  bool open = true;
  bool defaultAnswer = false;  // the user had no answer ready and took the default button
};

// One ShellExecuteA call as the program made it; the headless desktop
// executes nothing.
struct ShellExecuteRecord {
  HWND owner = nullptr;
  std::string verb;  // code page 936 bytes; empty for a null verb
  std::string file;
  std::string parameters;
  std::string directory;
  int show = 0;
};

// A registry key the program holds open.
struct OpenRegistryKey {
  std::string path;  // full path, root name first
  DWORD access = 0;
};

// The system's version as GetVersionExA reports it.
struct WindowsVersion {
  DWORD major = 10;
  DWORD minor = 0;
  DWORD build = 19045;
};

class State {
 public:
  // Windows
  Window* Find(HWND hwnd);
  Window* Require(HWND hwnd);  // sets ERROR_INVALID_WINDOW_HANDLE when missing
  HWND NewHandle();
  std::map<ULONG_PTR, std::unique_ptr<Window>> windows;
  std::vector<HWND> topLevels;  // z-order, topmost first
  std::vector<std::unique_ptr<WindowClass>> classes;
  const WindowClass* FindClass(const std::string& name) const;

  // Focus and activation
  HWND focus = nullptr;
  HWND active = nullptr;

  // The cursor, the capture and mouse tracking
  MouseState mouse;

  // Queue
  std::deque<MSG> posted;
  std::deque<MSG> input;
  bool quitPosted = false;
  int quitCode = 0;
  std::vector<Timer> timers;

  // Hooks
  std::vector<Hook> hooks;
  ULONG_PTR nextHook = 0x100;

  // Message boxes, oldest first
  std::vector<MessageBoxRecord> boxes;

  // Menus and the notification area
  MenuStore menus;
  std::vector<NotifyIcon> notifyIcons;  // in the order they were added
  // Drawing objects
  GdiState gdi;

  // Errors
  DWORD lastError = 0;

  // Screen
  int screenWidth = 1920;
  int screenHeight = 1080;
  RECT workArea{0, 0, 1920, 1040};
  int captionHeight = 23;

  // Program
  std::string programPath;  // Windows path of the program file
  const ResourceSet* resources = nullptr;
  bool commonControlsReady = false;

  // Shell, COM, registry and URL cache
  std::map<int, std::string> specialFolders;  // CSIDL to Windows path
  std::vector<ShellExecuteRecord> shellExecutes;
  WindowsVersion version;
  bool elevatedUser = false;  // a standard user unless the run says otherwise
  int comInitCount = 0;
  std::map<ULONG_PTR, OpenRegistryKey> registryKeys;
  ULONG_PTR nextRegistryKey = 0x2000;

  // The web browsers of the run's windows, and the site the scripted engine serves.
  std::map<HWND, std::shared_ptr<web::WebBrowser>> browsers;
  std::shared_ptr<const web::ScriptedSite> scriptedSite;

  Host* host = nullptr;
  FileSystem* files = nullptr;
  RegistryStore* registry = nullptr;
  UrlCacheStore* urlCache = nullptr;

 private:
  ULONG_PTR nextHandle_ = 0x10010;
};

// The state of the current session (creating a default headless session on
// first use, so that calls made without one still behave).
State& Current();

// Helpers shared by the API files.
void SetError(DWORD error);
LRESULT Send(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
void Log(const std::string& line);  // the session transcript, code page 936 text
HWND TopLevelOf(HWND hwnd);
std::string Describe(const Window& w);  // for the transcript
void RemoveTimersOf(HWND hwnd);
void DropQueuedMessagesFor(HWND hwnd);
void ActivateWindow(HWND hwnd, WORD how = WA_ACTIVE);  // WA_ACTIVE or WA_CLICKACTIVE
void InvalidateTree(HWND hwnd);
RECT CalculateClient(const Window& w);  // the client rectangle from DefWindowProc's rules
void RegisterSystemClasses(State& state);

}  // namespace desktop
