#include "platform/desktop/session.h"

#include <strings.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "platform/desktop/codepage.h"
#include "platform/desktop/file_system.h"
#include "platform/desktop/headless_host.h"
#include "platform/desktop/registry_store.h"
#include "platform/desktop/url_cache_store.h"

namespace desktop {
namespace {

Session* g_current = nullptr;

std::string MakeTemporaryRoot() {
  std::string pattern = (std::filesystem::temp_directory_path() / "tessal-run-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a run folder");
  return pattern;
}

// The run's user profile, laid out as on Windows 7 and later.
constexpr char kProfile[] = "C:\\users\\player";
struct SpecialFolder {
  int csidl;
  const char* underProfile;
};
const SpecialFolder kSpecialFolders[] = {
    {0x0010 /* CSIDL_DESKTOPDIRECTORY */, "\\Desktop"},
    {0x001A /* CSIDL_APPDATA */, "\\AppData\\Roaming"},
    {0x0020 /* CSIDL_INTERNET_CACHE */, "\\AppData\\Local\\Microsoft\\Windows\\Temporary Internet Files"},
};
// Folders a fresh profile has besides the special folders themselves.
const char* const kProfileFolders[] = {
    "\\AppData\\Roaming\\Microsoft\\Internet Explorer\\Quick Launch",
};

void CreateProfile(State& state, FileSystem& files) {
  for (const SpecialFolder& folder : kSpecialFolders) {
    state.specialFolders[folder.csidl] = std::string(kProfile) + folder.underProfile;
    std::filesystem::create_directories(files.RealPath(state.specialFolders[folder.csidl]));
  }
  for (const char* folder : kProfileFolders) {
    std::filesystem::create_directories(files.RealPath(std::string(kProfile) + folder));
  }
}

}  // namespace

Session::Session(SessionOptions options)
    : host_(options.host ? std::move(options.host) : std::make_unique<HeadlessHost>()),
      files_(std::make_unique<FileSystem>()),
      root_(options.rootFolder),
      relaunchArguments_(std::move(options.relaunchArguments)),
      sink_(std::move(options.transcriptSink)),
      previous_(g_current) {
  if (root_.empty()) {
    root_ = MakeTemporaryRoot();
    ownsRoot_ = true;
  }
  std::filesystem::create_directories(std::filesystem::path(root_) / "c");
  files_->MapDrive('C', root_ + "/c");
  files_->MapDrive('Z', "/");
  registry_ = std::make_unique<RegistryStore>(root_ + "/registry.txt");
  urlCache_ = std::make_unique<UrlCacheStore>();

  state_.host = host_.get();
  state_.files = files_.get();
  state_.registry = registry_.get();
  state_.urlCache = urlCache_.get();
  CreateProfile(state_, *files_);
  state_.programPath = options.programPath;
  state_.elevatedUser = options.elevatedUser;
  state_.resources = options.resources;
  state_.screenWidth = options.screenWidth;
  state_.screenHeight = options.screenHeight;
  state_.workArea = options.workArea;
  RegisterSystemClasses(state_);
  g_current = this;
}

Session::~Session() {
  // Browsers still alive go while their host is still there.
  state_.browsers.clear();
  g_current = previous_;
  if (ownsRoot_) {
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }
}

Session& Session::Current() {
  if (!g_current) {
    // Calls made before any session exists get a default headless one,
    // which lives until the process ends.
    static Session* fallback = new Session();
    return *fallback;
  }
  return *g_current;
}

bool Session::Exists() { return g_current != nullptr; }

std::string Session::RealPath(const std::string& windowsPath) const {
  return files_->RealPath(windowsPath);
}

void Session::Log(const std::string& cp936Line) {
  transcript_.push_back(Cp936ToUtf8(cp936Line));
  if (sink_) sink_(transcript_.back());
}

void Session::SetScreen(int width, int height, RECT workArea) {
  state_.screenWidth = width;
  state_.screenHeight = height;
  state_.workArea = workArea;
}

State& Current() { return Session::Current().state(); }
void SetError(DWORD error) { Current().lastError = error; }
void Log(const std::string& line) { Session::Current().Log(line); }

EventObserver& Observer() {
  static EventObserver nobody;
  EventObserver* observer = Session::Exists() ? Session::Current().eventObserver() : nullptr;
  return observer ? *observer : nobody;
}

Window* State::Find(HWND hwnd) {
  auto it = windows.find(reinterpret_cast<ULONG_PTR>(hwnd));
  return it == windows.end() ? nullptr : it->second.get();
}

Window* State::Require(HWND hwnd) {
  Window* w = Find(hwnd);
  if (!w) lastError = ERROR_INVALID_WINDOW_HANDLE;
  return w;
}

HWND State::NewHandle() {
  HWND h = reinterpret_cast<HWND>(nextHandle_);
  nextHandle_ += 2;  // handles are never reused within a run
  return h;
}

const WindowClass* State::FindClass(const std::string& name) const {
  for (const auto& cls : classes) {
    if (strcasecmp(cls->name.c_str(), name.c_str()) == 0) return cls.get();
  }
  return nullptr;
}

const DialogResource* ResourceSet::FindDialog(WORD id) const {
  for (const auto& d : dialogs) if (d.id == id) return &d;
  return nullptr;
}
const MenuResource* ResourceSet::FindMenu(WORD id) const {
  for (const auto& m : menus) if (m.id == id) return &m;
  return nullptr;
}
const StringResource* ResourceSet::FindString(UINT id) const {
  for (const auto& s : strings) if (s.id == id) return &s;
  return nullptr;
}

}  // namespace desktop
