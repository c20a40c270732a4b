// The start-page record appended to the program file: the address bytes
// (fewer than 260), then the position of the first of them as a 32-bit
// little-endian number in the file's last four bytes. There is no magic
// number: a record counts as present when the arithmetic says so.
//
// The program's reader and the operator's packaging tool both use this
// code, so that they cannot disagree about what a file holds.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace start_page {

// An address may have at most this many bytes.
constexpr std::uint32_t kMaxAddressBytes = 259;

// Where the record is read from. Errors are thrown by the source in its own
// type and pass through Decode untouched.
class Source {
 public:
  virtual ~Source() = default;
  virtual std::uint64_t Length() = 0;
  virtual void Seek(std::int64_t position) = 0;  // from the start; negative fails
  // Reads up to `count` bytes; fewer at the end of the file.
  virtual std::uint32_t Read(void* buffer, std::uint32_t count) = 0;
};

struct Record {
  bool configured = false;  // false: no record (the arithmetic gives 260 or more)
  std::string address;      // up to its first NUL byte
  std::uint32_t position = 0;  // where the address starts: the finished program's length
};

Record Decode(Source& source);

// The bytes to append to a program file of `programLength` bytes so that it
// carries `address`. The caller checks the address first (IsValidAddress).
std::string Encode(std::uint64_t programLength, std::string_view address);

bool IsValidAddress(std::string_view address);

}  // namespace start_page
