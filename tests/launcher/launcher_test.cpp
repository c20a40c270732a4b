#include "tests/launcher/launcher_test.h"

#include <cstdlib>

#include "app/process_state.h"
#include "app/start_page_format.h"
#include "gfx/bitmap_resource.h"
#include "gfx/region_from_bitmap.h"
#include "platform/desktop/session.h"
#include "platform/desktop/web/scripted_site.h"

namespace {

std::string ProgramWithRecord(const std::string& address) {
  std::string program = "MZ" + std::string(2000, '\x90');
  return program + start_page::Encode(program.size(), address);
}

}  // namespace

void LauncherTest::SetUp() {
  PlatformTest::SetUp();
  theApp.SetCurrentHandles(GetModuleHandleA(nullptr));
  for (CString* link : {&StartPageUrl, &PayUrl, &ForumUrl, &ServiceUrl, &OfficialUrl}) {
    link->Empty();
  }
  PutFile(ProgramPath(), ProgramWithRecord(kLoginPage));
  session().SetScriptedSite(std::make_shared<desktop::web::ScriptedSite>(
      desktop::web::ScriptedSite::Load(std::string(TESSAL_BROWSER_SITES) + "/login.json")));
}

int LauncherTest::RunProgram() {
  return AfxWinMain(GetModuleHandleA(nullptr), nullptr, nullptr, SW_SHOWDEFAULT);
}

CTessalDlg& LauncherTest::Launcher() {
  auto* launcher = static_cast<CTessalDlg*>(theApp.m_pMainWnd);
  if (!launcher) std::abort();  // a step ran outside the program's run
  return *launcher;
}

desktop::web::WebBrowser& LauncherTest::BrowserEngine() {
  return *desktop::web::BrowserOf(Launcher().Browser.m_hWnd);
}

POINT LauncherTest::OnScreen(POINT client) {
  // Where the framework centres the launcher on the work area; the screen
  // test shows that it does.
  RECT work{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  LONG left = work.left + (work.right - work.left - launcher_layout::WindowWidth) / 2;
  LONG top = work.top + (work.bottom - work.top - launcher_layout::WindowHeight + 1) / 2;
  return POINT{left + client.x, top + client.y};
}

const launcher_layout::ButtonLayout& LauncherTest::LayoutOf(UINT id) {
  for (const auto& layout : launcher_layout::Buttons) {
    if (layout.id == id) return layout;
  }
  std::abort();
}

POINT LauncherTest::OnButtonPicture(UINT id) {
  const launcher_layout::ButtonLayout& layout = LayoutOf(id);
  PictureReader picture(layout.normal);
  // The non-key pixel nearest the picture's middle.
  POINT best{-1, -1};
  long bestDistance = 1L << 30;
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      if (picture.At(x, y) == RegionKeyColor) continue;
      long dx = x - picture.width / 2, dy = y - picture.height / 2;
      if (dx * dx + dy * dy < bestDistance) {
        bestDistance = dx * dx + dy * dy;
        best = POINT{x, y};
      }
    }
  }
  return OnScreen(POINT{layout.rect.left + best.x, layout.rect.top + best.y});
}

