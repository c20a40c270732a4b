// Arbitrary file contents through the start-page reader: it never reads
// outside the file, never takes more than 259 bytes, and its answer agrees
// with the arithmetic.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/start_page_format.h"

namespace {

struct BeforeStart {};

class FuzzFile : public start_page::Source {
 public:
  FuzzFile(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  std::uint64_t Length() override { return size_; }
  void Seek(std::int64_t position) override {
    if (position < 0) throw BeforeStart{};
    position_ = static_cast<std::uint64_t>(position);
  }
  std::uint32_t Read(void* buffer, std::uint32_t count) override {
    if (count > start_page::kMaxAddressBytes + 1) std::abort();  // never asks for more
    if (position_ >= size_) return 0;
    std::size_t n = std::min<std::uint64_t>(count, size_ - position_);
    std::memcpy(buffer, data_ + position_, n);
    position_ += n;
    return static_cast<std::uint32_t>(n);
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::uint64_t position_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzFile file(data, size);
  start_page::Record record;
  try {
    record = start_page::Decode(file);
  } catch (const BeforeStart&) {
    if (size >= 4) std::abort();  // only a file shorter than its offset field fails
    return 0;
  }
  std::uint32_t p = static_cast<std::uint32_t>(data[size - 4]) | (data[size - 3] << 8) |
                    (data[size - 2] << 16) | (static_cast<std::uint32_t>(data[size - 1]) << 24);
  std::uint32_t n = static_cast<std::uint32_t>(size) - p - 4;
  if (record.configured != (n < 260)) std::abort();
  if (record.address.size() > start_page::kMaxAddressBytes) std::abort();
  if (record.address.find('\0') != std::string::npos) std::abort();
  if (record.configured && !record.address.empty() &&
      (p >= size || std::memcmp(record.address.data(), data + p, record.address.size()) != 0)) {
    std::abort();
  }
  return 0;
}
