#include "tools/sim/setup.h"

#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "platform/api/registry_functions.h"
#include "platform/api/wininet_functions.h"
#include "platform/desktop/codepage.h"
#include "platform/desktop/registry_store.h"
#include "platform/desktop/session.h"
#include "platform/desktop/url_cache_store.h"
#include "tools/pack/pack.h"

namespace sim {

const char kRunKeyPath[] = "HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";

namespace {

constexpr int kDesktopFolder = 0x0010;        // CSIDL_DESKTOPDIRECTORY
constexpr int kInternetCacheFolder = 0x0020;  // CSIDL_INTERNET_CACHE

// What stands in for the finished program: its bytes do not matter, only
// the record appended to them.
constexpr std::size_t kStandInProgramBytes = 4096;

void WriteProgramFile(const Scenario& scenario, desktop::Session& session) {
  std::filesystem::path file = session.RealPath(desktop::Utf8ToCp936(scenario.program));
  if (file.empty()) throw SetupError("program: no such drive");
  std::error_code error;
  std::filesystem::create_directories(file.parent_path(), error);
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  std::string standIn(kStandInProgramBytes, '\0');
  standIn[0] = 'M';
  standIn[1] = 'Z';
  if (!(out << standIn) || !out.flush()) throw SetupError("program: cannot write " + file.string());
  out.close();
  if (!scenario.startPage) return;
  tessal_pack::Result packed = tessal_pack::Write(file.string(), *scenario.startPage, "", false);
  if (packed.exitCode != tessal_pack::kOk) throw SetupError("start_page: " + packed.err);
}

void SetRunValues(const Scenario& scenario, desktop::Session& session) {
  if (scenario.runValues.empty()) return;
  desktop::RegistryStore& registry = session.registry();
  desktop::RegistryStore::Key* key = registry.Find(kRunKeyPath);
  if (!key) key = &registry.Create(kRunKeyPath);
  for (const auto& [name, data] : scenario.runValues) {
    // A string value keeps its terminating NUL, as RegSetValueExA stores it.
    registry.SetValue(*key, desktop::Utf8ToCp936(name), REG_SZ,
                      desktop::Utf8ToCp936(data) + std::string(1, '\0'));
  }
}

void AddCacheEntries(const Scenario& scenario, desktop::Session& session) {
  for (const CacheEntry& entry : scenario.cache) {
    desktop::UrlCacheStore::Entry stored;
    stored.url = desktop::Utf8ToCp936(entry.url);
    stored.type = entry.cookie ? (NORMAL_CACHE_ENTRY | COOKIE_CACHE_ENTRY) : NORMAL_CACHE_ENTRY;
    session.urlCache().Add(stored);
  }
}

void MakeFiles(const std::vector<FileEntry>& files, int folder, desktop::Session& session) {
  std::string windowsFolder = session.state().specialFolders.at(folder);
  for (const FileEntry& f : files) {
    std::string windowsPath = windowsFolder + "\\";
    for (char c : desktop::Utf8ToCp936(f.path)) windowsPath += c == '/' ? '\\' : c;
    std::filesystem::path real = session.RealPath(windowsPath);
    std::error_code error;
    std::filesystem::create_directories(f.folder ? real : real.parent_path(), error);
    if (!f.folder) std::ofstream(real, std::ios::binary | std::ios::app);
    if (!std::filesystem::exists(real)) throw SetupError("cannot make " + real.string());
    if (f.readOnly) {
      // Read-only is the missing write permission on the portable desktop.
      struct stat st {};
      if (::stat(real.c_str(), &st) != 0 || ::chmod(real.c_str(), st.st_mode & ~S_IWUSR) != 0) {
        throw SetupError("cannot make " + real.string() + " read-only");
      }
    }
  }
}

}  // namespace

void ApplySetup(const Scenario& scenario, desktop::Session& session) {
  WriteProgramFile(scenario, session);
  SetRunValues(scenario, session);
  AddCacheEntries(scenario, session);
  MakeFiles(scenario.cacheFiles, kInternetCacheFolder, session);
  MakeFiles(scenario.desktopFiles, kDesktopFolder, session);
}

}  // namespace sim
