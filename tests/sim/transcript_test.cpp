// The transcript as the desktop's events reach it: one JSON line each, in
// the order they happen, texts in UTF-8, windows by their names.
#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "platform/desktop/codepage.h"
#include "platform/desktop/headless_host.h"
#include "platform/desktop/session.h"
#include "platform/desktop/web/scripted_site.h"
#include "platform/desktop/web/web_browser.h"
#include "platform/win32api.h"
#include "res/resource_ids.h"
#include "tools/sim/transcript.h"

const desktop::ResourceSet& AfxProgramResources();

namespace {

INT_PTR CALLBACK PlainDialog(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

class TranscriptTest : public ::testing::Test {
 protected:
  TranscriptTest() : session_(Options()), transcript_(out_, [] { return DWORD{0}; }, false) {
    session_.SetEventObserver(&transcript_);
  }
  ~TranscriptTest() override { session_.SetEventObserver(nullptr); }

  desktop::SessionOptions Options() {
    desktop::SessionOptions options;
    auto host = std::make_unique<desktop::HeadlessHost>();
    host_ = host.get();
    options.host = std::move(host);
    options.resources = &AfxProgramResources();
    return options;
  }
  void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  }

  desktop::HeadlessHost* host_ = nullptr;
  desktop::Session session_;
  std::ostringstream out_;
  sim::Transcript transcript_;
};

TEST_F(TranscriptTest, ShowStatesOfNamedWindowsOnlyAsTheyChange) {
  HWND launcher = CreateDialogParamA(nullptr, MAKEINTRESOURCEA(IDD_TESSAL_DIALOG), nullptr,
                                     PlainDialog, 0);
  HWND unnamed = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 nullptr, nullptr);
  ASSERT_TRUE(launcher && unnamed);
  ShowWindow(unnamed, SW_SHOW);
  ShowWindow(launcher, SW_SHOW);
  ShowWindow(launcher, SW_SHOW);  // no change, no line
  ShowWindow(launcher, SW_SHOWMAXIMIZED);
  ShowWindow(launcher, SW_MINIMIZE);
  ShowWindow(launcher, SW_RESTORE);  // back to maximised, as it was
  ShowWindow(launcher, SW_HIDE);
  ShowWindow(launcher, SW_SHOWNORMAL);
  DestroyWindow(launcher);  // torn down: its last state stays
  DestroyWindow(unnamed);
  transcript_.FinalState();
  EXPECT_EQ(Lines(out_.str()), (std::vector<std::string>{
      R"({"event":"show","window":"launcher","state":"normal"})",
      R"({"event":"show","window":"launcher","state":"maximized"})",
      R"({"event":"show","window":"launcher","state":"minimized"})",
      R"({"event":"show","window":"launcher","state":"maximized"})",
      R"({"event":"show","window":"launcher","state":"hidden"})",
      R"({"event":"show","window":"launcher","state":"normal"})",
      R"({"event":"state","server_name":"","pay_url":"","forum_url":"","service_url":"",)"
      R"("official_url":"","auto_start":0,"full_screen":false,"game_title":null,)"
      R"("launcher":"normal","game":null})",
  }));
}

TEST_F(TranscriptTest, NavigationsBoxesRegistryTrayAndShell) {
  desktop::web::ScriptedSite site;
  site.pages["http://login.test/"].frames = {"http://login.test/notice.html"};
  site.pages["http://login.test/notice.html"];
  session_.SetScriptedSite(std::make_shared<desktop::web::ScriptedSite>(site));
  session_.SetElevatedUser(true);
  HWND browser = CreateWindowExA(0, desktop::web::kBrowserClassName, "", WS_POPUP, 0, 0, 100, 100,
                                 nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(browser, nullptr);
  desktop::web::BrowserOf(browser)->Navigate(u"http://login.test/");
  Pump();

  host_->AnswerBox(IDNO);
  MessageBoxA(nullptr, desktop::Utf8ToCp936("是否要关闭游戏").c_str(), "", MB_YESNO);
  MessageBoxA(nullptr, "done", "Tessal", MB_OK);  // nothing queued: the default button

  HKEY run = nullptr, other = nullptr;
  ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\Run",
                          0, KEY_SET_VALUE, &run), ERROR_SUCCESS);
  const char data[] = "C:\\Games\\Tessal\\Tessal.exe";
  RegSetValueExA(run, "Tessal", 0, REG_SZ, reinterpret_cast<const BYTE*>(data), sizeof data);
  RegDeleteValueA(run, "Tessal");
  EXPECT_EQ(RegDeleteValueA(run, "Tessal"), ERROR_FILE_NOT_FOUND);  // nothing gone, no line
  RegCloseKey(run);
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "", 0, KEY_SET_VALUE, &other), ERROR_SUCCESS);
  RegSetValueExA(other, "Elsewhere", 0, REG_SZ, reinterpret_cast<const BYTE*>(data), sizeof data);
  RegCloseKey(other);

  NOTIFYICONDATAA icon{};
  icon.cbSize = sizeof icon;
  icon.hWnd = browser;
  icon.uID = 1;
  Shell_NotifyIconA(NIM_ADD, &icon);
  Shell_NotifyIconA(NIM_DELETE, &icon);
  Shell_NotifyIconA(NIM_ADD, &icon);
  ShellExecuteA(nullptr, "taskbarpin", "C:\\x.lnk", nullptr, nullptr, SW_SHOW);
  ShellExecuteA(nullptr, nullptr, "http://pay.test/", nullptr, nullptr, SW_SHOWNORMAL);
  DestroyWindow(browser);  // its icon goes with it

  EXPECT_EQ(Lines(out_.str()), (std::vector<std::string>{
      R"({"event":"navigate","window":null,"url":"http://login.test/","cancelled":false})",
      R"({"event":"navigate","window":null,"url":"http://login.test/notice.html","cancelled":false,"frame":true})",
      R"({"event":"document_complete","window":null,"url":"http://login.test/notice.html","frame":true})",
      R"({"event":"document_complete","window":null,"url":"http://login.test/"})",
      R"({"event":"message_box","caption":"","text":"是否要关闭游戏","answer":"no"})",
      R"({"event":"message_box","caption":"Tessal","text":"done","answer":"ok","by_default":true})",
      R"({"event":"registry","op":"set","name":"Tessal","data":"C:\\Games\\Tessal\\Tessal.exe"})",
      R"({"event":"registry","op":"delete","name":"Tessal","data":null})",
      R"({"event":"tray","op":"add"})",
      R"({"event":"tray","op":"delete"})",
      R"({"event":"tray","op":"add"})",
      R"({"event":"shell_execute","verb":"taskbarpin","file":"C:\\x.lnk"})",
      R"({"event":"shell_execute","verb":null,"file":"http://pay.test/"})",
      R"({"event":"tray","op":"delete"})",
  }));
}

}  // namespace
