// The record format itself, over bytes in memory.
#include <gtest/gtest.h>

#include <stdexcept>

#include "app/start_page_format.h"

namespace {

struct OutOfFile : std::runtime_error {
  OutOfFile() : std::runtime_error("seek before the start") {}
};

class MemorySource : public start_page::Source {
 public:
  explicit MemorySource(std::string bytes) : bytes_(std::move(bytes)) {}
  std::uint64_t Length() override { return bytes_.size(); }
  void Seek(std::int64_t position) override {
    if (position < 0) throw OutOfFile();
    position_ = static_cast<std::uint64_t>(position);
  }
  std::uint32_t Read(void* buffer, std::uint32_t count) override {
    reads_ += count;
    if (position_ >= bytes_.size()) return 0;
    std::uint32_t n = static_cast<std::uint32_t>(std::min<std::uint64_t>(count, bytes_.size() - position_));
    bytes_.copy(static_cast<char*>(buffer), n, position_);
    position_ += n;
    return n;
  }
  std::uint64_t reads_ = 0;

 private:
  std::string bytes_;
  std::uint64_t position_ = 0;
};

std::string Program(std::size_t length) { return std::string(length, 'M'); }

std::string Packed(const std::string& program, const std::string& address) {
  return program + start_page::Encode(program.size(), address);
}

std::string Le32(std::uint32_t v) {
  return {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF),
          static_cast<char>((v >> 16) & 0xFF), static_cast<char>((v >> 24) & 0xFF)};
}

struct DecodeCase {
  const char* name;
  std::string file;
  bool configured;
  std::string address;
};

class DecodeTest : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeTest, ReadsWhatTheArithmeticSays) {
  const DecodeCase& c = GetParam();
  MemorySource source(c.file);
  start_page::Record record = start_page::Decode(source);
  EXPECT_EQ(record.configured, c.configured);
  EXPECT_EQ(record.address, c.address);
  EXPECT_LE(source.reads_, 4u + start_page::kMaxAddressBytes);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DecodeTest,
    ::testing::Values(
        DecodeCase{"Address", Packed(Program(1000), "http://login.example/start"), true,
                   "http://login.example/start"},
        DecodeCase{"EmptyAddress", Program(1000) + Le32(1000), true, ""},
        DecodeCase{"Longest", Packed(Program(64), std::string(259, 'a')), true, std::string(259, 'a')},
        DecodeCase{"OneTooLong", Packed(Program(64), std::string(260, 'a')), false, ""},
        DecodeCase{"OffsetInTheTailWraps", Program(100) + Le32(101), false, ""},
        // Far beyond the end the subtraction wraps back below 260: the bytes
        // there do not exist, so the address is empty.
        DecodeCase{"OffsetFarBeyondTheFileReadsNothing", Program(100) + Le32(0xFFFFFFF0u), true, ""},
        DecodeCase{"NulInside", Packed(Program(10), std::string("http://a\0junk", 13)), true, "http://a"},
        DecodeCase{"NothingAppended", Program(1000), false, ""},
        DecodeCase{"NothingAppendedButTheTailFits", Program(90) + "0123456789" + Le32(90), true,
                   "0123456789"},
        // Ten bytes were put in front after packing: the offset now points into the program.
        DecodeCase{"StaleOffsetTakesOtherBytes", Program(60) + "http://x" + Le32(50), true,
                   "MMMMMMMMMMhttp://x"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DecodeTest, AFileTooShortForTheOffsetFailsInTheSource) {
  MemorySource source("abc");
  EXPECT_THROW(start_page::Decode(source), OutOfFile);
}

TEST(EncodeTest, AppendsTheAddressAndTheProgramLengthLittleEndian) {
  EXPECT_EQ(start_page::Encode(0x01020304, "ab"), std::string("ab\x04\x03\x02\x01", 6));
  std::string file = Packed(Program(58), std::string(58, 'u'));
  EXPECT_EQ(file.size(), 58u + 62u);
}

TEST(EncodeTest, ValidAddressesAreNonEmptyShortAndWithoutNul) {
  EXPECT_TRUE(start_page::IsValidAddress("http://a"));
  EXPECT_TRUE(start_page::IsValidAddress(std::string(259, 'a')));
  EXPECT_FALSE(start_page::IsValidAddress(""));
  EXPECT_FALSE(start_page::IsValidAddress(std::string(260, 'a')));
  EXPECT_FALSE(start_page::IsValidAddress(std::string("a\0b", 3)));
}

}  // namespace
