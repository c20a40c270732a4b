#include "tools/pack/pack.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "app/start_page_format.h"
#include "platform/desktop/codepage.h"

namespace tessal_pack {
namespace {

const char kUsage[] =
    "usage: tessal-pack write PROGRAM URL [-o OUTPUT] [--replace]\n"
    "       tessal-pack read PROGRAM\n"
    "\n"
    "Packages the start page into a finished Tessal program file.\n"
    "  write   appends the start page's address as the record the program reads at\n"
    "          start (in place, or into OUTPUT). Refuses an empty address, one of 260\n"
    "          bytes or more, and a program that already carries a record, unless\n"
    "          --replace is given. The file is written whole or not at all.\n"
    "  read    prints what the program would read: \"record: <address>\" (exit 0),\n"
    "          \"no record\" (exit 3), or \"error: <reason>\" (exit 2).\n";

struct ReadError {
  std::string reason;
};

std::string Reason() { return std::strerror(errno); }

// A file read through the program's record reader.
class FileSource : public start_page::Source {
 public:
  explicit FileSource(std::FILE* file) : file_(file) {}
  std::uint64_t Length() override {
    struct stat st;
    if (fstat(fileno(file_), &st) != 0) throw ReadError{Reason()};
    return static_cast<std::uint64_t>(st.st_size);
  }
  void Seek(std::int64_t position) override {
    if (position < 0) throw ReadError{"the file is too short to hold a record"};
    if (fseeko(file_, static_cast<off_t>(position), SEEK_SET) != 0) throw ReadError{Reason()};
  }
  std::uint32_t Read(void* buffer, std::uint32_t count) override {
    std::size_t n = std::fread(buffer, 1, count, file_);
    if (n < count && std::ferror(file_)) throw ReadError{Reason()};
    return static_cast<std::uint32_t>(n);
  }

 private:
  std::FILE* file_;
};

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

File OpenForReading(const std::string& path, std::string* reason) {
  struct stat st;
  if (stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) {
    *reason = "is a directory";
    return nullptr;
  }
  File file(std::fopen(path.c_str(), "rb"));
  if (!file) *reason = Reason();
  return file;
}

Result Refuse(const std::string& message) { return Result{kRefused, "", "tessal-pack: " + message + "\n"}; }

// The address as the program stores it; false when UTF-8 input cannot be
// represented in code page 936.
bool ToProgramText(const std::string& utf8, std::string* cp936) {
  *cp936 = desktop::Utf8ToCp936(utf8);
  return desktop::Cp936ToUtf8(*cp936) == utf8;
}

// Writes `bytes` to a temporary file beside `target` and renames it over
// `target`, keeping `mode`; on any failure nothing at `target` changes.
bool WriteWhole(const std::string& target, const std::string& bytes, mode_t mode,
                std::string* reason) {
  std::string temp = target + ".tessal-pack-XXXXXX";
  int fd = mkstemp(temp.data());
  if (fd < 0) {
    *reason = "cannot create a temporary file beside " + target + ": " + Reason();
    return false;
  }
  bool ok = true;
  for (std::size_t done = 0; ok && done < bytes.size();) {
    ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) ok = false;
    else done += static_cast<std::size_t>(n);
  }
  if (ok) ok = fchmod(fd, mode) == 0 && fsync(fd) == 0;
  if (!ok) *reason = "cannot write " + temp + ": " + Reason();
  if (::close(fd) != 0 && ok) {
    ok = false;
    *reason = "cannot write " + temp + ": " + Reason();
  }
  if (ok && std::rename(temp.c_str(), target.c_str()) != 0) {
    ok = false;
    *reason = "cannot replace " + target + ": " + Reason();
  }
  if (!ok) ::unlink(temp.c_str());
  return ok;
}

}  // namespace

Result Read(const std::string& program) {
  std::string reason;
  File file = OpenForReading(program, &reason);
  if (!file) return Result{kRefused, "", "error: " + program + ": " + reason + "\n"};
  try {
    FileSource source(file.get());
    start_page::Record record = start_page::Decode(source);
    if (!record.configured) return Result{kNoRecord, "no record\n", ""};
    return Result{kOk, "record: " + desktop::Cp936ToUtf8(record.address) + "\n", ""};
  } catch (const ReadError& e) {
    return Result{kRefused, "", "error: " + program + ": " + e.reason + "\n"};
  }
}

Result Write(const std::string& program, const std::string& address, const std::string& output,
             bool replace) {
  std::string stored;
  if (address.empty()) return Refuse("the address is empty");
  if (!ToProgramText(address, &stored)) {
    return Refuse("the address cannot be written in the program's code page (936)");
  }
  if (stored.size() > start_page::kMaxAddressBytes) {
    return Refuse("the address is " + std::to_string(stored.size()) + " bytes long; at most " +
                  std::to_string(start_page::kMaxAddressBytes) + " fit");
  }
  if (!start_page::IsValidAddress(stored)) return Refuse("the address holds a NUL byte");

  std::string reason;
  File file = OpenForReading(program, &reason);
  if (!file) return Refuse("cannot read " + program + ": " + reason);
  std::uint64_t keep = 0;
  try {
    FileSource source(file.get());
    keep = source.Length();
    if (keep >= 4) {
      start_page::Record existing = start_page::Decode(source);
      if (existing.configured && !replace) {
        return Refuse(program + " already carries a start page (\"" +
                      desktop::Cp936ToUtf8(existing.address) + "\"); give --replace to replace it");
      }
      if (existing.configured) {
        // The finished program ends where the old record begins.
        keep = existing.position;
      }
    }
  } catch (const ReadError& e) {
    return Refuse("cannot read " + program + ": " + e.reason);
  }
  if (keep >= (1ULL << 32)) return Refuse(program + " is 4 GiB or larger; a record cannot address it");

  std::string bytes(static_cast<std::size_t>(keep), '\0');
  if (fseeko(file.get(), 0, SEEK_SET) != 0 || std::fread(bytes.data(), 1, bytes.size(), file.get()) != bytes.size()) {
    return Refuse("cannot read " + program + ": " + Reason());
  }
  struct stat st;
  mode_t mode = fstat(fileno(file.get()), &st) == 0 ? (st.st_mode & 07777) : 0755;
  file.reset();

  bytes += start_page::Encode(keep, stored);
  const std::string& target = output.empty() ? program : output;
  if (!WriteWhole(target, bytes, mode, &reason)) return Refuse(reason);

  // Read it back as the program will.
  Result check = Read(target);
  if (check.exitCode != kOk || check.out != "record: " + address + "\n") {
    return Refuse("the record written to " + target + " does not read back; the file is damaged");
  }
  return Result{kOk, "wrote start page \"" + address + "\" to " + target + "\n", ""};
}

Result Run(int argc, const char* const* argv) {
  std::string command = argc > 1 ? argv[1] : "";
  if (command == "--help" || command == "-h" || command == "help") return Result{kOk, kUsage, ""};
  if (command == "read") {
    if (argc != 3) return Result{kRefused, "", std::string("tessal-pack: read takes one PROGRAM\n") + kUsage};
    return Read(argv[2]);
  }
  if (command == "write") {
    std::string output;
    bool replace = false;
    std::string positional[2];
    int count = 0;
    for (int i = 2; i < argc; ++i) {
      std::string arg = argv[i];
      if (arg == "--replace") {
        replace = true;
      } else if (arg == "-o" || arg == "--output") {
        if (i + 1 >= argc) return Result{kRefused, "", "tessal-pack: -o needs a file name\n"};
        output = argv[++i];
      } else if (count < 2 && (arg.empty() || arg[0] != '-' || arg == "-")) {
        positional[count++] = arg;
      } else {
        return Result{kRefused, "", "tessal-pack: unexpected argument \"" + arg + "\"\n" + kUsage};
      }
    }
    if (count != 2) return Result{kRefused, "", std::string("tessal-pack: write takes PROGRAM and URL\n") + kUsage};
    return Write(positional[0], positional[1], output, replace);
  }
  return Result{kRefused, "", std::string("tessal-pack: unknown command\n") + kUsage};
}

}  // namespace tessal_pack
