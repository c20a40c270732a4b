#include "tests/xdg/user_folders.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace {

const char* const kVariables[] = {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_DATA_DIRS"};

}  // namespace

TemporaryUserFolders::TemporaryUserFolders(bool withXdgVariables) {
  std::string pattern = (std::filesystem::temp_directory_path() / "tessal-xdg-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a home folder");
  home_ = pattern;
  for (const char* name : kVariables) {
    const char* value = std::getenv(name);
    saved_[name] = value ? std::optional<std::string>(value) : std::nullopt;
  }
  setenv("HOME", home_.c_str(), 1);
  // The system's data folders too: menu entries installed on this machine
  // must not change what the tests see.
  setenv("XDG_DATA_DIRS", (home_ + "/system").c_str(), 1);
  if (withXdgVariables) {
    setenv("XDG_CONFIG_HOME", (home_ + "/config").c_str(), 1);
    setenv("XDG_DATA_HOME", (home_ + "/data").c_str(), 1);
  } else {
    unsetenv("XDG_CONFIG_HOME");
    unsetenv("XDG_DATA_HOME");
  }
}

TemporaryUserFolders::~TemporaryUserFolders() {
  for (const auto& [name, value] : saved_) {
    if (value) setenv(name.c_str(), value->c_str(), 1);
    else unsetenv(name.c_str());
  }
  std::error_code ignored;
  std::filesystem::remove_all(home_, ignored);
}

std::string TemporaryUserFolders::Read(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

void TemporaryUserFolders::Write(const std::string& path, const std::string& text) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

bool TemporaryUserFolders::Exists(const std::string& path) { return access(path.c_str(), F_OK) == 0; }

bool TemporaryUserFolders::IsExecutable(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0 && (st.st_mode & S_IXUSR) && (st.st_mode & S_IXOTH);
}

std::string Utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }
