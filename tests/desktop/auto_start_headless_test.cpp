// Start on boot through the real program code: standard and elevated users,
// the flag, a value that vanished meanwhile, stale and long values, and two
// copies of the program under different names (run as separate processes,
// since a process's identity is fixed at its first use).
#include <array>
#include <cstdio>
#include <cstring>

#include "app/process_state.h"
#include "desktop/auto_start.h"
#include "platform/desktop/headless_host.h"
#include "platform/desktop/session.h"
#include "tests/desktop/desktop_test.h"
#include "tests/support/command_output.h"

namespace {

constexpr char kRun[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr char kSetDone[] = "设置开机启动成功！";
constexpr char kSetFailed[] = "系统参数错误,不能完成开机启动设置！";
constexpr char kNotAllowed[] = "权限不够，请用管理员权限运行程序！";
constexpr char kClearDone[] = "关闭开机启动成功！";
constexpr char kClearFailed[] = "系统参数错误,不能完成取消开机启动设置！";

class AutoStartTest : public DesktopTest {
 protected:
  void SetUp() override {
    DesktopTest::SetUp();
    AutoStartEnabled = 0;
  }
  void TearDown() override {
    AutoStartEnabled = 0;
    DesktopTest::TearDown();
  }
  // Writes or removes the value behind the program's back, as another tool would.
  void WriteValue(const std::string& name, const std::string& data) {
    session().SetElevatedUser(true);
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, kRun, 0, KEY_WRITE, &key), ERROR_SUCCESS);
    RegSetValueExA(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                   static_cast<DWORD>(data.size() + 1));
    RegCloseKey(key);
  }
  void RemoveValue(const std::string& name) {
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, kRun, 0, KEY_WRITE, &key), ERROR_SUCCESS);
    RegDeleteValueA(key, name.c_str());
    RegCloseKey(key);
  }
  std::string ValueData(const std::string& name) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kRun, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return "?";
    char data[1024] = {};
    DWORD size = sizeof data;
    LSTATUS status = RegQueryValueExA(key, name.c_str(), nullptr, nullptr,
                                      reinterpret_cast<BYTE*>(data), &size);
    RegCloseKey(key);
    return status == ERROR_SUCCESS ? std::string(data) : "(none)";
  }
  std::string LastBox() {
    if (session().boxes().empty()) return "(none)";
    EXPECT_EQ(session().boxes().back().caption, "Tessal");
    EXPECT_EQ(session().boxes().back().type & MB_TYPEMASK, static_cast<UINT>(MB_OK));
    return session().boxes().back().text;
  }
};

TEST_F(AutoStartTest, AStandardUserIsToldToUseAdministratorRightsAndTheFlagStaysPortableOnly) {
  session().SetElevatedUser(false);
  SetAutoStart();
  EXPECT_EQ(LastBox(), kNotAllowed);
  EXPECT_EQ(AutoStartEnabled, 0);
  AutoStartEnabled = 1;
  ClearAutoStart();
  EXPECT_EQ(LastBox(), kNotAllowed);
  EXPECT_EQ(AutoStartEnabled, 1);
  EXPECT_EQ(session().boxes().size(), 2u);
  EXPECT_EQ(ValueData("Tessal"), "(none)");
}

TEST_F(AutoStartTest, AnElevatedUserSetsThenClearsTheValueAndTheFlagFollowsPortableOnly) {
  session().SetElevatedUser(true);
  SetAutoStart();
  EXPECT_EQ(LastBox(), kSetDone);
  EXPECT_EQ(AutoStartEnabled, 1);
  EXPECT_EQ(ValueData("Tessal"), "C:\\Games\\Tessal\\Tessal.exe");  // no quotes, no arguments
  SetAutoStart();  // again: replaced, not doubled
  EXPECT_EQ(LastBox(), kSetDone);
  ClearAutoStart();
  EXPECT_EQ(LastBox(), kClearDone);
  EXPECT_EQ(AutoStartEnabled, 0);
  EXPECT_EQ(ValueData("Tessal"), "(none)");
}

TEST_F(AutoStartTest, TheFlagIsSetOnlyAfterTheBoxHasBeenClosedPortableOnly) {
  session().SetElevatedUser(true);
  int flagWhileBoxOpen = -1;
  user().AnswerBox(IDOK, 500);
  user().Do("look", [&] { flagWhileBoxOpen = AutoStartEnabled; });
  SetAutoStart();
  EXPECT_EQ(flagWhileBoxOpen, 0);
  EXPECT_EQ(AutoStartEnabled, 1);
}

TEST_F(AutoStartTest, AValueThatVanishedMeanwhileGivesTheDeleteFailureAndKeepsTheFlagPortableOnly) {
  WriteValue("Tessal", "C:\\Games\\Tessal\\Tessal.exe");
  EXPECT_EQ(QueryAutoStart(), 1);
  RemoveValue("Tessal");
  ClearAutoStart();
  EXPECT_EQ(LastBox(), kClearFailed);
  EXPECT_EQ(AutoStartEnabled, 1);
  ClearAutoStart();  // the next choice tries again
  EXPECT_EQ(session().boxes().size(), 2u);
  EXPECT_EQ(LastBox(), kClearFailed);
}

struct PresentValue {
  const char* name;
  std::string data;
};

class PresentValueTest : public AutoStartTest, public ::testing::WithParamInterface<PresentValue> {};

TEST_P(PresentValueTest, AnyValueOfTheProgramsNameCountsAsOnPortableOnly) {
  WriteValue("Tessal", GetParam().data);
  session().SetElevatedUser(false);  // reading needs no rights
  EXPECT_EQ(QueryAutoStart(), 1);
  EXPECT_EQ(AutoStartEnabled, 1);
  EXPECT_TRUE(session().boxes().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Values, PresentValueTest,
    ::testing::Values(PresentValue{"OwnPath", "C:\\Games\\Tessal\\Tessal.exe"},
                      PresentValue{"StalePath", "D:\\Old place\\Tessal.exe"},
                      PresentValue{"Empty", ""},
                      PresentValue{"LongerThanTheBuffer", "C:\\" + std::string(400, 'x')}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(AutoStartTest, WithoutTheValueTheQueryClearsTheFlagPortableOnly) {
  WriteValue("Other", "C:\\Other.exe");
  AutoStartEnabled = 1;
  EXPECT_EQ(QueryAutoStart(), 0);
}

// Copies of the program as separate processes on one machine (root folder).
class AutoStartCopiesTest : public AutoStartTest {
 protected:
  std::string Run(const std::string& program, const std::string& user, const std::string& steps) {
    return CommandOutput(std::string("'") + TESSAL_AUTO_START_PROBE + "' '" +
                         session().rootFolder() + "' '" + program + "' " + user + " " + steps);
  }
};

TEST_F(AutoStartCopiesTest, TwoProgramNamesKeepSeparateValuesPortableOnly) {
  const std::string tessal = "C:\\Games\\Tessal\\Tessal.exe";
  const std::string qorvan = "C:\\Games\\Qorvan\\Qorvan Online.exe";
  EXPECT_EQ(Run(tessal, "elevated", "set"), std::string("set box ") + kSetDone + "\nset flag 1\n");
  EXPECT_EQ(Run(qorvan, "standard", "query"), "query flag 0\n");
  EXPECT_EQ(Run(qorvan, "elevated", "set"), std::string("set box ") + kSetDone + "\nset flag 1\n");
  EXPECT_EQ(Run(tessal, "elevated", "query clear"),
            std::string("query flag 1\nclear box ") + kClearDone + "\nclear flag 0\n");
  EXPECT_EQ(Run(qorvan, "standard", "query"), "query flag 1\n");
  EXPECT_EQ(ValueData("Qorvan Online"), qorvan);
  EXPECT_EQ(ValueData("Tessal"), "(none)");
}

TEST_F(AutoStartCopiesTest, AProgramPathTooLongForTheBufferIsNotWrittenCutPortableOnly) {
  const std::string longPath = "C:\\Games\\" + std::string(250, 'p') + "\\Tessal.exe";
  EXPECT_EQ(Run(longPath, "elevated", "set"), std::string("set box ") + kSetFailed + "\nset flag 0\n");
  EXPECT_EQ(ValueData("Tessal"), "(none)");
}

}  // namespace
