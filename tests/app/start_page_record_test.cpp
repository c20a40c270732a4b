// ReadStartPageRecord: every row of its failure table, on the program file
// of a headless run.
#include "app/process_state.h"
#include "app/start_page_format.h"
#include "app/start_page_record.h"
#include "app/tessal_app.h"
#include "platform/desktop/session.h"
#include "tests/support/platform_test.h"

const desktop::ResourceSet& AfxProgramResources();

namespace {

constexpr char kProgram[] = "C:\\Games\\Tessal\\Tessal.exe";

std::string Program(std::size_t length) { return "MZ" + std::string(length - 2, '\x90'); }

std::string Le32(std::uint32_t v) {
  return {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF),
          static_cast<char>((v >> 16) & 0xFF), static_cast<char>((v >> 24) & 0xFF)};
}

std::string Packed(const std::string& address) {
  std::string program = Program(4096);
  return program + start_page::Encode(program.size(), address);
}

class StartPageRecordTest : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    theApp.SetCurrentHandles(GetModuleHandleA(nullptr));
    StartPageUrl = "unchanged";
  }
  const desktop::ResourceSet* Resources() override { return &AfxProgramResources(); }
};

struct RecordCase {
  const char* name;
  std::string file;  // the program file's bytes
  int result;
  const char* box;   // the box's text, or null for none
  std::string url;   // StartPageUrl afterwards
};

class RecordTableTest : public StartPageRecordTest,
                        public ::testing::WithParamInterface<RecordCase> {};

TEST_P(RecordTableTest, GivesItsResultBoxAndAddress) {
  const RecordCase& c = GetParam();
  PutFile(kProgram, c.file);
  EXPECT_EQ(ReadStartPageRecord(), c.result);
  if (c.box) {
    ASSERT_EQ(session().boxes().size(), 1u);
    EXPECT_EQ(session().boxes()[0].text, c.box);
    EXPECT_EQ(session().boxes()[0].caption, "Tessal");  // the program file's base name
    EXPECT_EQ(session().boxes()[0].type, static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));
  } else {
    EXPECT_TRUE(session().boxes().empty());
  }
  EXPECT_EQ(StartPageUrl, c.url);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RecordTableTest,
    ::testing::Values(
        RecordCase{"Present", Packed("http://login.example/start?x=1"), 1, nullptr,
                   "http://login.example/start?x=1"},
        RecordCase{"EmptyAddress", Program(4096) + Le32(4096), 1, nullptr, ""},
        RecordCase{"Longest", Packed(std::string(259, 'a')), 1, nullptr, std::string(259, 'a')},
        RecordCase{"OneTooLong", Packed(std::string(260, 'a')), 1, "当前没有配置内嵌页路径", "unchanged"},
        RecordCase{"OffsetWraps", Program(4096) + Le32(4097), 1, "当前没有配置内嵌页路径", "unchanged"},
        RecordCase{"NulInside", Packed(std::string("http://a\0b", 10)), 1, nullptr, "http://a"},
        RecordCase{"NothingAppended", Program(4096), 1, "当前没有配置内嵌页路径", "unchanged"},
        RecordCase{"TooShortToRead", "MZ", 0, nullptr, "unchanged"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StartPageRecordTest, AMissingProgramFileShowsTheOpenFailureWithThePlatformsReason) {
  PutFile("C:\\Games\\Tessal\\Other.exe", "MZ");  // the folder exists, the file does not
  EXPECT_EQ(ReadStartPageRecord(), 0);
  ASSERT_EQ(session().boxes().size(), 1u);
  EXPECT_EQ(session().boxes()[0].text, "文件打开失败The system cannot find the file specified.");
  EXPECT_EQ(session().boxes()[0].caption, "Tessal");
  EXPECT_EQ(StartPageUrl, "unchanged");
}

TEST_F(StartPageRecordTest, AProgramFileHeldByAnotherShowsTheSharingViolation) {
  PutFile(kProgram, Packed("http://a"));
  HANDLE other = CreateFileA(kProgram, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(other, INVALID_HANDLE_VALUE);
  EXPECT_EQ(ReadStartPageRecord(), 0);
  ASSERT_EQ(session().boxes().size(), 1u);
  EXPECT_EQ(session().boxes()[0].text,
            "文件打开失败The process cannot access the file because it is being used by another "
            "process.");
  CloseHandle(other);
  EXPECT_EQ(ReadStartPageRecord(), 1);  // the next try succeeds
  EXPECT_EQ(StartPageUrl, "http://a");
}

TEST_F(StartPageRecordTest, TheReaderLeavesTheFileClosed) {
  PutFile(kProgram, Packed("http://a"));
  EXPECT_EQ(ReadStartPageRecord(), 1);
  PutFile(kProgram, Program(10));
  EXPECT_EQ(ReadStartPageRecord(), 1);  // opened again, so it was closed
  PutFile(kProgram, "MZ");
  EXPECT_EQ(ReadStartPageRecord(), 0);  // a read error closes it too
  EXPECT_EQ(ReadStartPageRecord(), 0);
  EXPECT_EQ(session().boxes().size(), 1u);  // only the no-record box
}

TEST_F(StartPageRecordTest, FrameworkBoxesCarryTheProgramNameBeforeAnyWindowExists) {
  AfxMessageBox("text");
  ASSERT_EQ(session().boxes().size(), 1u);
  EXPECT_EQ(session().boxes()[0].caption, "Tessal");
  EXPECT_EQ(session().boxes()[0].owner, nullptr);
}

}  // namespace
