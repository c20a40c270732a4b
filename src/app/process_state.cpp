#include "app/process_state.h"

#include "app/module_path.h"
#include "platform/win32api.h"

CString StartPageUrl;
CString ServerName("");
CString PayUrl;
CString ForumUrl;
CString ServiceUrl;
CString OfficialUrl;
const CString RunKeyPath("Software\\Microsoft\\Windows\\CurrentVersion\\Run");
int AutoStartEnabled = 0;

namespace {

struct ModuleIdentity {
  CString path;
  CString folder;
  CString baseName;
};

const ModuleIdentity& Identity() {
  static const ModuleIdentity identity = [] {
    char buffer[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, buffer, MAX_PATH);
    SplitPathParts parts = SplitPath(buffer);
    ModuleIdentity id;
    id.path = buffer;
    id.folder.Format("%s%s", parts.drive.c_str(), parts.directory.c_str());
    id.baseName = parts.name;
    return id;
  }();
  return identity;
}

}  // namespace

CString ModulePath() { return Identity().path; }
CString ModuleFolder() { return Identity().folder; }
CString ModuleBaseName() { return Identity().baseName; }
