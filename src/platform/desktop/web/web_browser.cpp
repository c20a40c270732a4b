#include "platform/desktop/web/web_browser.h"

#include <algorithm>
#include <cctype>

#include "platform/api/gdi_functions.h"
#include "platform/desktop/codepage.h"
#include "platform/desktop/state.h"
#include "platform/desktop/web/html_document.h"
#include "platform/desktop/web/page_picture.h"

namespace desktop::web {
namespace {

// The browser's own message for running scheduled work (a private number
// of its class).
constexpr UINT kRunPostedTask = WM_USER + 0x7E00;
constexpr LRESULT kWantsEveryKey = 0x0004 | 0x0001 | 0x0080;  // all keys, arrows, characters

bool IsDown(int key) { return GetAsyncKeyState(key) < 0; }

// The accelerator a key message stands for, if any.
bool AcceleratorOf(const MSG& msg, BrowserAction* action) {
  if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
  WPARAM key = msg.wParam;
  if (key == VK_F5) return (*action = BrowserAction::kRefresh), true;
  if (IsDown(VK_MENU) && !IsDown(VK_CONTROL)) {
    if (key == VK_LEFT) return (*action = BrowserAction::kBack), true;
    if (key == VK_RIGHT) return (*action = BrowserAction::kForward), true;
    return false;
  }
  if (!IsDown(VK_CONTROL)) return false;
  switch (key) {
    case 'A':
      *action = BrowserAction::kSelectAll;
      return true;
    case 'F':
      *action = BrowserAction::kFind;
      return true;
    case 'N':
      *action = BrowserAction::kNewWindow;
      return true;
    case 'O':
      *action = BrowserAction::kOpen;
      return true;
    case 'P':
      *action = BrowserAction::kPrint;
      return true;
    case 'S':
      *action = BrowserAction::kSave;
      return true;
    default:
      return false;
  }
}

std::u16string TakeTaskString(OLECHAR* text) {
  std::u16string copy = text ? std::u16string(text) : std::u16string();
  CoTaskMemFree(text);
  return copy;
}

std::string ForTranscript(const std::string& utf8) { return Utf8ToCp936(utf8); }

}  // namespace

const char* BrowserActionName(BrowserAction action) {
  switch (action) {
    case BrowserAction::kSelectAll:
      return "select all";
    case BrowserAction::kFind:
      return "find";
    case BrowserAction::kNewWindow:
      return "new window";
    case BrowserAction::kOpen:
      return "open";
    case BrowserAction::kPrint:
      return "print";
    case BrowserAction::kSave:
      return "save";
    case BrowserAction::kBack:
      return "back";
    case BrowserAction::kForward:
      return "forward";
    case BrowserAction::kRefresh:
      return "refresh";
  }
  return "?";
}

WebBrowser::WebBrowser(HWND window) : window_(window), engine_(CreateWebEngine(*this, window)) {}

WebBrowser::~WebBrowser() {
  if (documentObject_) documentObject_->Release();
}

void WebBrowser::Navigate(const std::u16string& address) {
  engine_->Navigate(Utf16ToUtf8(address));
}

IDispatch* WebBrowser::Document() {
  std::shared_ptr<WebDocument> current = engine_->Document();
  if (!current) return nullptr;
  if (current != wrapped_) {
    if (documentObject_) documentObject_->Release();
    documentObject_ = NewHtmlDocument(current);
    wrapped_ = current;
  }
  documentObject_->AddRef();
  return documentObject_;
}

BOOL WebBrowser::TranslateAccelerator(const MSG& msg) {
  if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST) return FALSE;
  offeredKeys_.push_back(msg);
  BrowserAction action;
  if (!AcceleratorOf(msg, &action)) return FALSE;
  actions_.push_back(action);
  Log(std::string("browser: ") + BrowserActionName(action));
  return TRUE;
}

std::string WebBrowser::Background() const {
  std::string sheet = Utf16ToUtf8(host_.styleSheet);
  std::string lower = sheet;
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  std::size_t body = lower.find("body");
  std::size_t at = body == std::string::npos ? body : lower.find("background-color", body);
  if (at == std::string::npos) return "#ffffff";
  std::size_t colon = lower.find(':', at);
  if (colon == std::string::npos) return "#ffffff";
  std::size_t end = lower.find_first_of(";}", colon);
  std::string value = lower.substr(colon + 1, end == std::string::npos ? end : end - colon - 1);
  value.erase(0, value.find_first_not_of(' '));
  value.erase(value.find_last_not_of(' ') + 1);
  return value;
}

bool WebBrowser::BeforeNavigate(const std::string& address, bool topLevel) {
  bool cancel = false;
  if (events_) events_->BeforeNavigate(Utf8ToUtf16(address), topLevel, &cancel);
  if (topLevel) {
    Log("browser: " + std::string(cancel ? "navigation cancelled: " : "opens ") +
        ForTranscript(address));
  }
  Observer().BeforeNavigate(window_, address, topLevel, cancel);
  return cancel;
}

void WebBrowser::DocumentSetUp(WebDocument&) {
  // The host is asked afresh for every document; its strings are ours to free.
  DOCHOSTUIINFO info{};
  info.cbSize = sizeof info;
  HRESULT answer = events_ ? events_->GetHostInfo(&info) : E_NOTIMPL;
  ++host_.requests;
  std::u16string styleSheet = TakeTaskString(info.pchHostCss);
  std::u16string namespaces = TakeTaskString(info.pchHostNS);
  if (SUCCEEDED(answer)) {
    host_.flags = info.dwFlags;
    host_.styleSheet = std::move(styleSheet);
    host_.namespaces = std::move(namespaces);
  } else {
    host_.flags = 0;
    host_.styleSheet.clear();
    host_.namespaces.clear();
  }
}

void WebBrowser::DocumentComplete(const std::string& address, bool topLevel) {
  if (topLevel) {
    Log("browser: document complete: " + ForTranscript(address));
    InvalidateRect(window_, nullptr, TRUE);
  }
  Observer().DocumentComplete(window_, address, topLevel);
  if (events_) events_->DocumentComplete(Utf8ToUtf16(address), topLevel);
}

std::string WebBrowser::HostStyleSheet() const {
  std::string sheet = Utf16ToUtf8(host_.styleSheet);
  if (!ShowsScrollBars()) sheet += "\nhtml, body { overflow: hidden; }\n";
  return sheet;
}

void WebBrowser::Schedule(DWORD ms, std::function<void()> task) {
  if (ms == 0) {
    posted_.push_back(std::move(task));
    PostMessageA(window_, kRunPostedTask, 0, 0);
    return;
  }
  UINT_PTR id = nextTimer_++;
  timed_[id] = std::move(task);
  SetTimer(window_, id, ms, nullptr);
}

void WebBrowser::KeyReachedPage(const MSG& msg) {
  pageKeys_.push_back(msg);
  if (msg.message == WM_KEYDOWN) engine_->KeyReachedPage(static_cast<int>(msg.wParam));
}

LRESULT WebBrowser::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_GETDLGCODE:
      return kWantsEveryKey;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
      // A click into the page gives it the keyboard, as in a browser.
      if (GetFocus() != window_) SetFocus(window_);
      break;
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
      KeyReachedPage(MSG{window_, message, wParam, lParam, 0, {0, 0}});
      return 0;
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
    case WM_SYSCHAR:
      KeyReachedPage(MSG{window_, message, wParam, lParam, 0, {0, 0}});
      break;  // the system's keys go on to the default processing
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window_, &paint);
      RECT client;
      GetClientRect(window_, &client);
      PaintPagePicture(dc, client, engine_->Document().get(), Background());
      EndPaint(window_, &paint);
      return 0;
    }
    case kRunPostedTask:
      if (!posted_.empty()) {
        std::function<void()> task = std::move(posted_.front());
        posted_.pop_front();
        task();
      }
      return 0;
    case WM_TIMER:
      if (auto it = timed_.find(wParam); it != timed_.end()) {
        KillTimer(window_, wParam);
        std::function<void()> task = std::move(it->second);
        timed_.erase(it);
        task();
        return 0;
      }
      break;
    case WM_NCDESTROY:
      events_ = nullptr;  // the host may be gone by the time anything else happens
      break;
    default:
      break;
  }
  return DefWindowProcA(window_, message, wParam, lParam);
}

WebBrowser* BrowserOf(HWND window) {
  auto& browsers = Current().browsers;
  auto it = browsers.find(window);
  return it == browsers.end() ? nullptr : it->second.get();
}

LRESULT CALLBACK BrowserWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto& browsers = Current().browsers;
  if (message == WM_NCCREATE) browsers[hwnd] = std::make_shared<WebBrowser>(hwnd);
  auto it = browsers.find(hwnd);
  if (it == browsers.end()) return DefWindowProcA(hwnd, message, wParam, lParam);
  // Held while the message runs: a page's handler may destroy the window.
  std::shared_ptr<WebBrowser> browser = it->second;
  LRESULT result = browser->HandleMessage(message, wParam, lParam);
  if (message == WM_NCDESTROY) browsers.erase(hwnd);
  return result;
}

}  // namespace desktop::web
