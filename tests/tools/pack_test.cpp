// tessal-pack: round trips through the program's reader, and each refusal
// leaving the files as they were.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "tools/pack/pack.h"

namespace fs = std::filesystem;

namespace {

class PackTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("tessal-pack-test-" + std::to_string(::getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    program_ = (dir_ / "Tessal.exe").string();
    Put(program_, kProgram);
    fs::permissions(program_, fs::perms::owner_all | fs::perms::group_read);
  }
  void TearDown() override { fs::remove_all(dir_); }

  static void Put(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }
  static std::string Get(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
  }
  tessal_pack::Result Pack(std::vector<std::string> args) {
    std::vector<const char*> argv{"tessal-pack"};
    for (const std::string& a : args) argv.push_back(a.c_str());
    return tessal_pack::Run(static_cast<int>(argv.size()), argv.data());
  }
  std::size_t FilesInDir() {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()));
  }

  const std::string kProgram = "MZ" + std::string(5000, '\x90') + "PROGRAM-END";
  fs::path dir_;
  std::string program_;
};

TEST_F(PackTest, WriteThenReadRoundTripsInPlace) {
  tessal_pack::Result w = Pack({"write", program_, "http://login.example/start?srv=1"});
  EXPECT_EQ(w.exitCode, 0) << w.err;
  std::string bytes = Get(program_);
  EXPECT_EQ(bytes.size(), kProgram.size() + 32 + 4);
  EXPECT_EQ(bytes.substr(0, kProgram.size()), kProgram);
  tessal_pack::Result r = Pack({"read", program_});
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.out, "record: http://login.example/start?srv=1\n");
  EXPECT_EQ(fs::status(program_).permissions() & fs::perms::owner_exec, fs::perms::owner_exec);
  EXPECT_EQ(FilesInDir(), 1u);  // no temporary file left behind
}

TEST_F(PackTest, WriteToAnOutputLeavesTheProgramAlone) {
  std::string out = (dir_ / "Packed.exe").string();
  EXPECT_EQ(Pack({"write", program_, "http://a.example/", "-o", out}).exitCode, 0);
  EXPECT_EQ(Get(program_), kProgram);
  EXPECT_EQ(Pack({"read", out}).out, "record: http://a.example/\n");
}

TEST_F(PackTest, AddressesAreStoredInTheProgramsCodePage) {
  EXPECT_EQ(Pack({"write", program_, "http://登录.example/"}).exitCode, 0);
  std::string bytes = Get(program_);
  // "登录" is d7 a2 b2 e1... in code page 936: two bytes a character.
  EXPECT_EQ(bytes.size(), kProgram.size() + std::string("http://").size() + 4 +
                              std::string(".example/").size() + 4);
  EXPECT_EQ(Pack({"read", program_}).out, "record: http://登录.example/\n");
}

TEST_F(PackTest, TheLongestAddressFitsAndOneMoreIsRefused) {
  EXPECT_EQ(Pack({"write", program_, std::string(259, 'a')}).exitCode, 0);
  EXPECT_EQ(Pack({"read", program_}).out, "record: " + std::string(259, 'a') + "\n");

  Put(program_, kProgram);
  tessal_pack::Result r = Pack({"write", program_, std::string(260, 'a')});
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_NE(r.err.find("260 bytes"), std::string::npos) << r.err;
  EXPECT_EQ(Get(program_), kProgram);
}

struct Refusal {
  const char* name;
  std::vector<std::string> args;  // "{program}" stands for the program's path
  const char* says;
};

class PackRefusalTest : public PackTest, public ::testing::WithParamInterface<Refusal> {};

TEST_P(PackRefusalTest, RefusesWithAClearMessageAndWritesNothing) {
  std::vector<std::string> args = GetParam().args;
  for (std::string& a : args) {
    if (a == "{program}") a = program_;
    if (a == "{missing}") a = (dir_ / "Missing.exe").string();
    if (a == "{folder}") a = dir_.string();
    if (a == "{nowhere}") a = (dir_ / "no" / "such" / "Out.exe").string();
  }
  tessal_pack::Result r = Pack(args);
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_TRUE(r.out.empty());
  EXPECT_NE(r.err.find(GetParam().says), std::string::npos) << r.err;
  EXPECT_EQ(Get(program_), kProgram);
  EXPECT_EQ(FilesInDir(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PackRefusalTest,
    ::testing::Values(
        Refusal{"EmptyAddress", {"write", "{program}", ""}, "the address is empty"},
        Refusal{"MissingProgram", {"write", "{missing}", "http://a"}, "cannot read"},
        Refusal{"ProgramIsAFolder", {"write", "{folder}", "http://a"}, "is a directory"},
        Refusal{"OutputFolderMissing", {"write", "{program}", "http://a", "-o", "{nowhere}"},
                "cannot create a temporary file"},
        Refusal{"UnknownCommand", {"pack", "{program}"}, "unknown command"},
        Refusal{"MissingArguments", {"write", "{program}"}, "write takes PROGRAM and URL"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PackTest, AProgramThatCarriesARecordIsRefusedUnlessReplaced) {
  ASSERT_EQ(Pack({"write", program_, "http://old.example/"}).exitCode, 0);
  std::string packed = Get(program_);
  tessal_pack::Result again = Pack({"write", program_, "http://new.example/"});
  EXPECT_EQ(again.exitCode, 2);
  EXPECT_NE(again.err.find("already carries a start page (\"http://old.example/\")"),
            std::string::npos);
  EXPECT_EQ(Get(program_), packed);

  EXPECT_EQ(Pack({"write", program_, "http://new.example/long/er", "--replace"}).exitCode, 0);
  EXPECT_EQ(Pack({"read", program_}).out, "record: http://new.example/long/er\n");
  EXPECT_EQ(Get(program_).substr(0, kProgram.size() + 1), kProgram + "h");  // the old record is gone
}

TEST_F(PackTest, ReplacingARecordWithATrailingNulCutsTheWholeRecord) {
  std::string withNul = std::string("http://a\0", 9);
  std::string offset = {static_cast<char>(kProgram.size() & 0xFF),
                        static_cast<char>((kProgram.size() >> 8) & 0xFF), 0, 0};
  Put(program_, kProgram + withNul + offset);
  EXPECT_EQ(Pack({"write", program_, "http://b", "--replace"}).exitCode, 0);
  EXPECT_EQ(Get(program_).size(), kProgram.size() + 8 + 4);
}

TEST_F(PackTest, ReadAnswersWithTheReadersThreeOutcomes) {
  tessal_pack::Result none = Pack({"read", program_});
  EXPECT_EQ(none.exitCode, 3);
  EXPECT_EQ(none.out, "no record\n");

  tessal_pack::Result missing = Pack({"read", (dir_ / "Missing.exe").string()});
  EXPECT_EQ(missing.exitCode, 2);
  EXPECT_NE(missing.err.find("error: "), std::string::npos);
  EXPECT_NE(missing.err.find("No such file or directory"), std::string::npos);

  Put(program_, "MZ");  // too short to hold the offset
  tessal_pack::Result shortFile = Pack({"read", program_});
  EXPECT_EQ(shortFile.exitCode, 2);
  EXPECT_NE(shortFile.err.find("too short"), std::string::npos);
}

TEST_F(PackTest, HelpDescribesTheCommands) {
  tessal_pack::Result help = Pack({"--help"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_NE(help.out.find("tessal-pack write PROGRAM URL"), std::string::npos);
  EXPECT_NE(help.out.find("tessal-pack read PROGRAM"), std::string::npos);
}

}  // namespace
