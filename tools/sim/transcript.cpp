#include "tools/sim/transcript.h"

#include <filesystem>

#include "app/process_state.h"
#include "platform/desktop/codepage.h"
#include "platform/desktop/input.h"
#include "platform/desktop/menu_state.h"
#include "platform/desktop/notify_icons.h"
#include "platform/desktop/session.h"
#include "platform/desktop/state.h"
#include "tools/sim/skinned_window.h"
#include "tools/sim/window_names.h"

namespace sim {
namespace {

constexpr char kRunKey[] = "HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";

Transcript::Line WindowName(HWND hwnd) {
  std::string name = NameOfWindow(hwnd);
  return name.empty() ? Transcript::Line(nullptr) : Transcript::Line(name);
}

std::string Utf8(const std::string& cp936) { return desktop::Cp936ToUtf8(cp936); }
std::string Utf8(const CString& cp936) { return desktop::Cp936ToUtf8(static_cast<const char*>(cp936)); }

std::string AnswerName(int result) {
  std::string name = desktop::MessageBoxButtonName(result);
  for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return name;
}

bool IsRunKey(const std::string& path) {
  return desktop::FoldCase936(path) == desktop::FoldCase936(kRunKey);
}

// A string value's text without its terminating NULs.
std::string ValueText(const std::string& data) {
  std::string text = data.substr(0, data.find('\0'));
  return Utf8(text);
}

}  // namespace

Transcript::Transcript(std::ostream& out, std::function<DWORD()> clock, bool withTimes)
    : out_(out), clock_(std::move(clock)), withTimes_(withTimes) {}

void Transcript::Write(Line line) {
  if (withTimes_) {
    Line timed;
    timed["event"] = line["event"];
    timed["t"] = clock_();
    for (auto& [key, value] : line.items()) timed[key] = value;
    line = std::move(timed);
  }
  out_ << line.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
  out_.flush();
}

void Transcript::Start(const std::string& program, const std::optional<std::string>& startPage) {
  Write(Line{{"event", "start"},
             {"program", program},
             {"start_page", startPage ? Line(*startPage) : Line(nullptr)}});
}

void Transcript::ActionFailed(std::size_t action, const std::string& message) {
  anyActionFailed_ = true;
  Write(Line{{"event", "error"}, {"action", action}, {"message", message}});
}

void Transcript::ScreenshotWritten(const std::string& file) {
  Write(Line{{"event", "screenshot"}, {"file", file}});
}

void Transcript::Exit(const LeftOver& left) {
  Freeze();
  Write(Line{{"event", "exit"}, {"gdi_objects_left", left.gdiObjects}, {"windows_left", left.windows}});
}

void Transcript::BeforeNavigate(HWND browser, const std::string& address, bool topLevel,
                                bool cancelled) {
  Line line{{"event", "navigate"}, {"window", WindowName(browser)}, {"url", address},
            {"cancelled", cancelled}};
  if (!topLevel) line["frame"] = true;
  Write(std::move(line));
}

void Transcript::DocumentComplete(HWND browser, const std::string& address, bool topLevel) {
  Line line{{"event", "document_complete"}, {"window", WindowName(browser)}, {"url", address}};
  if (!topLevel) line["frame"] = true;
  Write(std::move(line));
}

void Transcript::MessageBoxClosed(const desktop::MessageBoxRecord& box) {
  Line line{{"event", "message_box"},
            {"caption", Utf8(box.caption)},
            {"text", Utf8(box.text)},
            {"answer", AnswerName(box.result)}};
  if (box.defaultAnswer) line["by_default"] = true;
  Write(std::move(line));
}

void Transcript::ShellExecuted(const desktop::ShellExecuteRecord& call) {
  Write(Line{{"event", "shell_execute"},
             {"verb", call.verb.empty() ? Line(nullptr) : Line(Utf8(call.verb))},
             {"file", Utf8(call.file)}});
}

void Transcript::MenuClosed(const desktop::MenuRecord& menu) {
  Line items = Line::array();
  Line checked = Line::array();
  for (const desktop::SeenMenuItem& item : menu.items) {
    if (item.separator) continue;
    items.push_back(Utf8(item.text));
    if (item.checked) checked.push_back(Utf8(item.text));
  }
  Write(Line{{"event", "menu"},
             {"window", WindowName(menu.owner)},
             {"items", std::move(items)},
             {"checked", std::move(checked)},
             {"chosen", menu.chosen ? Line(menu.chosen) : Line(nullptr)}});
}

void Transcript::See(const std::string& name, HWND hwnd) {
  WindowSeen& seen = seen_[name];
  seen.fullScreen = IsFullScreen(hwnd);
  seen.title = FrameTitle(hwnd);
  std::string state = ShowStateOf(hwnd);
  if (state == seen.showState) return;
  bool firstLook = seen.showState.empty();
  seen.showState = state;
  // A window made hidden says nothing until it is shown; once the run has
  // begun to end, or the window is being destroyed, windows are only torn
  // down.
  if ((firstLook && state == "hidden") || frozen_) return;
  Write(Line{{"event", "show"}, {"window", name}, {"state", state}});
}

void Transcript::WindowPositionChanged(HWND window) {
  if (desktop::TopLevelOf(window) != window || goneWindows_.count(window)) return;
  std::string name = NameOfWindow(window);
  if (!name.empty()) See(name, window);
}

void Transcript::DialogEnded(HWND dialog) {
  // The launcher's modal run is the program's: its end is the program's.
  if (NameOfWindow(dialog) == "launcher") Freeze();
}

void Transcript::WindowDestroying(HWND window) {
  if (desktop::TopLevelOf(window) != window) return;
  std::string name = NameOfWindow(window);
  if (!name.empty()) See(name, window);
  goneWindows_.insert(window);
}

void Transcript::RegistryValueSet(const std::string& keyPath, const std::string& name, DWORD,
                                  const std::string& data) {
  if (!IsRunKey(keyPath)) return;
  Write(Line{{"event", "registry"}, {"op", "set"}, {"name", Utf8(name)}, {"data", ValueText(data)}});
}

void Transcript::RegistryValueDeleted(const std::string& keyPath, const std::string& name) {
  if (!IsRunKey(keyPath)) return;
  Write(Line{{"event", "registry"}, {"op", "delete"}, {"name", Utf8(name)}, {"data", nullptr}});
}

void Transcript::ShortcutSaved(const std::string& windowsPath) {
  desktop::Session& session = desktop::Session::Current();
  std::filesystem::path real = session.RealPath(windowsPath);
  std::filesystem::path root = std::filesystem::weakly_canonical(session.rootFolder());
  std::filesystem::path relative = std::filesystem::weakly_canonical(real).lexically_relative(root);
  std::string path = relative.empty() || *relative.begin() == ".." ? real.generic_string()
                                                                   : relative.generic_string();
  Write(Line{{"event", "file"}, {"op", "write"}, {"path", path}});
}

void Transcript::NotifyIconAdded(const desktop::NotifyIcon&) {
  Write(Line{{"event", "tray"}, {"op", "add"}});
}

void Transcript::NotifyIconDeleted(const desktop::NotifyIcon&) {
  Write(Line{{"event", "tray"}, {"op", "delete"}});
}

void Transcript::InputEnded() {
  Freeze();
  Write(Line{{"event", "actions_done"}});
}

void Transcript::Freeze() {
  if (frozen_) return;
  for (const char* name : {"launcher", "game"}) {
    HWND hwnd = FindNamedWindow(name);
    if (hwnd) See(name, hwnd);
  }
  frozen_ = seen_;
}

void Transcript::FinalState() {
  Freeze();
  auto showState = [&](const char* name) -> Line {
    auto it = frozen_->find(name);
    return it == frozen_->end() ? Line(nullptr) : Line(it->second.showState);
  };
  auto game = frozen_->find("game");
  bool hasGame = game != frozen_->end();
  Write(Line{{"event", "state"},
             {"server_name", Utf8(ServerName)},
             {"pay_url", Utf8(PayUrl)},
             {"forum_url", Utf8(ForumUrl)},
             {"service_url", Utf8(ServiceUrl)},
             {"official_url", Utf8(OfficialUrl)},
             {"auto_start", AutoStartEnabled},
             {"full_screen", hasGame && game->second.fullScreen},
             {"game_title", hasGame ? Line(game->second.title) : Line(nullptr)},
             {"launcher", showState("launcher")},
             {"game", showState("game")}});
}

}  // namespace sim
