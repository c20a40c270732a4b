// Start-up through the real application object: its order, the launcher's
// one modal run, the start timer and the end of the process.
#include "app/process_state.h"
#include "app/start_page_format.h"
#include "app/tessal_app.h"
#include "launcher/tessal_dlg.h"
#include "platform/desktop/headless_host.h"
#include "platform/desktop/session.h"
#include "platform/desktop/web/web_browser.h"
#include "tests/support/platform_test.h"

const desktop::ResourceSet& AfxProgramResources();

namespace {

constexpr char kProgram[] = "C:\\Games\\Tessal\\Tessal.exe";

std::string Packed(const std::string& address) {
  std::string program = "MZ" + std::string(2000, '\x90');
  return program + start_page::Encode(program.size(), address);
}

class StartupTest : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    StartPageUrl.Empty();
  }
  const desktop::ResourceSet* Resources() override { return &AfxProgramResources(); }
  int RunProgram() { return AfxWinMain(GetModuleHandleA(nullptr), nullptr, nullptr, SW_SHOWDEFAULT); }
  HWND Launcher() { return theApp.m_pMainWnd ? theApp.m_pMainWnd->m_hWnd : nullptr; }
  int OpenBoxes() {
    int open = 0;
    for (const auto& box : session().boxes()) open += box.open;
    return open;
  }
};

TEST_F(StartupTest, PreparesThePlatformThenRunsTheLauncherModallyThenEnds) {
  PutFile(kProgram, Packed("http://login.example/"));
  bool prepared = false, launcherUp = false;
  user()
      .Wait(500)
      .Do("look", [&] {
        prepared = session().state().commonControlsReady && AfxControlContainerEnabled() &&
                   std::string(theApp.m_pszRegistryKey) == "应用程序向导生成的本地应用程序";
        char cls[16];
        GetClassNameA(Launcher(), cls, sizeof cls);
        launcherUp = IsWindowVisible(Launcher()) && std::string(cls) == "#32770" &&
                     (GetWindowLongA(Launcher(), GWL_EXSTYLE) & WS_EX_APPWINDOW);
      })
      .PressWithAlt(VK_F4);
  EXPECT_EQ(RunProgram(), 0);
  EXPECT_TRUE(prepared);
  EXPECT_TRUE(launcherUp);
  EXPECT_EQ(std::string(theApp.m_pszAppName), "Tessal");
  EXPECT_EQ(theApp.m_pMainWnd, nullptr);
  EXPECT_TRUE(session().state().windows.empty());  // the launcher went with its run
}

TEST_F(StartupTest, TheFirstTickReadsTheRecordOnceAndNeverAgain) {
  PutFile(kProgram, Packed("http://a.example/"));
  CString seen;
  user()
      .Wait(1500)
      .Do("repack", [&] { PutFile(kProgram, Packed("http://b.example/")); })
      .Wait(5000)
      .Do("look", [&] {
        auto* launcher = static_cast<CTessalDlg*>(theApp.m_pMainWnd);
        desktop::web::WebBrowser* browser = desktop::web::BrowserOf(launcher->Browser.m_hWnd);
        if (browser && browser->document()) seen = browser->document()->Address().c_str();
      })
      .PressWithAlt(VK_F4);
  RunProgram();
  EXPECT_EQ(StartPageUrl, "http://a.example/");
  EXPECT_EQ(seen, "http://a.example/");
  EXPECT_TRUE(session().boxes().empty());
}

TEST_F(StartupTest, EnterAndEscapeLeaveTheLauncherOpen) {
  PutFile(kProgram, Packed("http://a.example/"));
  bool stillOpen = false;
  user()
      .Wait(1500)
      .Press(VK_RETURN)
      .Press(VK_ESCAPE)
      .Wait(100)
      .Do("look", [&] { stillOpen = IsWindowVisible(Launcher()); })
      .PressWithAlt(VK_F4);
  RunProgram();
  EXPECT_TRUE(stillOpen);
}

TEST_F(StartupTest, WhileTheOpenFailureBoxIsUpNoSecondBoxOpens) {
  PutFile("C:\\Games\\Tessal\\readme.txt", "");  // the folder exists, the program file does not
  int mostOpenAtOnce = 0;
  user().AnswerBox(IDOK, 4500);  // the first box stays up through four ticks
  for (int i = 0; i < 13; ++i) {
    user().Wait(500).Do("", [&] { mostOpenAtOnce = std::max(mostOpenAtOnce, OpenBoxes()); });
  }
  user().PressWithAlt(VK_F4);
  RunProgram();
  EXPECT_EQ(mostOpenAtOnce, 1);
  // The first box at the first tick; the next one at the first tick after it closed.
  ASSERT_EQ(session().boxes().size(), 2u);
  EXPECT_EQ(session().boxes()[0].openedAt, 1000u);
  EXPECT_EQ(session().boxes()[0].closedAt, 5500u);
  EXPECT_EQ(session().boxes()[1].openedAt, 6000u);
  for (const auto& box : session().boxes()) {
    EXPECT_EQ(box.text, "文件打开失败The system cannot find the file specified.");
    EXPECT_EQ(box.owner, Launcher() ? Launcher() : box.owner);
  }
}

TEST_F(StartupTest, WithoutARecordTheUserIsToldOnceAndTheTimerStops) {
  PutFile(kProgram, "MZ" + std::string(2000, '\x90'));
  user().AnswerBox(IDOK, 3000).Wait(8000).PressWithAlt(VK_F4);
  RunProgram();
  ASSERT_EQ(session().boxes().size(), 1u);
  EXPECT_EQ(session().boxes()[0].text, "当前没有配置内嵌页路径");
  EXPECT_EQ(session().boxes()[0].caption, "Tessal");
  EXPECT_TRUE(StartPageUrl.IsEmpty());
}

}  // namespace
