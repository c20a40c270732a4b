#include "desktop/auto_start.h"

#include <cstring>

#include "app/process_state.h"
#include "fw/app.h"
#include "platform/win32api.h"

namespace {

const char kSetDone[] = "设置开机启动成功！";
const char kSetFailed[] = "系统参数错误,不能完成开机启动设置！";
const char kNotAllowed[] = "权限不够，请用管理员权限运行程序！";
const char kClearDone[] = "关闭开机启动成功！";
const char kClearFailed[] = "系统参数错误,不能完成取消开机启动设置！";

// The run key's owner: closed when it goes.
class RunKey {
 public:
  explicit RunKey(REGSAM access)
      : status_(::RegOpenKeyExA(HKEY_LOCAL_MACHINE, RunKeyPath, 0, access, &key_)) {}
  ~RunKey() {
    if (status_ == ERROR_SUCCESS) ::RegCloseKey(key_);
  }
  RunKey(const RunKey&) = delete;
  RunKey& operator=(const RunKey&) = delete;

  LSTATUS status() const { return status_; }
  HKEY get() const { return key_; }

 private:
  HKEY key_ = nullptr;
  LSTATUS status_;
};

// The program file's full path; false when it does not fit the buffer, as
// a cut path would start nothing.
bool ProgramFilePath(char (&path)[MAX_PATH]) {
  DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  return length > 0 && length < MAX_PATH;
}

}  // namespace

void SetAutoStart() {
  LSTATUS written;
  {
    RunKey key(KEY_WRITE);
    if (key.status() != ERROR_SUCCESS) {
      if (key.status() == ERROR_ACCESS_DENIED) AfxMessageBox(kNotAllowed);
      return;
    }
    char path[MAX_PATH] = {};
    written = ERROR_BAD_LENGTH;
    if (ProgramFilePath(path)) {
      written = ::RegSetValueExA(key.get(), ModuleBaseName(), 0, REG_SZ,
                                 reinterpret_cast<const BYTE*>(path),
                                 static_cast<DWORD>(std::strlen(path) + 1));
    }
  }
  if (written != ERROR_SUCCESS) {
    AfxMessageBox(kSetFailed);
    return;
  }
  AfxMessageBox(kSetDone);
  AutoStartEnabled = 1;
}

void ClearAutoStart() {
  LSTATUS deleted;
  {
    RunKey key(KEY_WRITE);
    if (key.status() != ERROR_SUCCESS) {
      AfxMessageBox(kNotAllowed);
      return;
    }
    deleted = ::RegDeleteValueA(key.get(), ModuleBaseName());
  }
  if (deleted != ERROR_SUCCESS) {
    AfxMessageBox(kClearFailed);
    return;
  }
  AfxMessageBox(kClearDone);
  AutoStartEnabled = 0;
}

int QueryAutoStart() {
  RunKey key(KEY_QUERY_VALUE);
  if (key.status() != ERROR_SUCCESS) return AutoStartEnabled;
  AutoStartEnabled = 0;
  BYTE data[MAX_PATH] = {};
  DWORD size = sizeof data;
  LSTATUS found = ::RegQueryValueExA(key.get(), ModuleBaseName(), nullptr, nullptr, data, &size);
  // Any value of the name counts, also one too long for the buffer.
  if (found == ERROR_SUCCESS || found == ERROR_MORE_DATA) AutoStartEnabled = 1;
  return AutoStartEnabled;
}
