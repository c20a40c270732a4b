// A user of the tests' own: HOME, XDG_CONFIG_HOME and XDG_DATA_HOME point
// into a fresh temporary folder while it lives, then are restored and the
// folder removed.
#pragma once

#include <map>
#include <optional>
#include <string>

class TemporaryUserFolders {
 public:
  // `withXdgVariables`: false leaves XDG_* unset, so the defaults under HOME apply.
  explicit TemporaryUserFolders(bool withXdgVariables = true);
  ~TemporaryUserFolders();
  TemporaryUserFolders(const TemporaryUserFolders&) = delete;
  TemporaryUserFolders& operator=(const TemporaryUserFolders&) = delete;

  const std::string& home() const { return home_; }
  static std::string Read(const std::string& path);  // empty when missing
  static void Write(const std::string& path, const std::string& text);
  static bool Exists(const std::string& path);
  static bool IsExecutable(const std::string& path);

 private:
  std::string home_;
  std::map<std::string, std::optional<std::string>> saved_;
};

// UTF-8 bytes of a u8 literal (plain literals are code page 936 here).
std::string Utf8(const char8_t* text);
