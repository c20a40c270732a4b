// ShellExecuteA: recorded, never executed. A local file that does not exist
// fails as on Windows; anything else (addresses, existing files) succeeds.
#include "platform/api/shell_functions.h"
#include "platform/desktop/file_system.h"
#include "platform/desktop/state.h"

namespace {

std::string Text(LPCSTR text) { return text ? text : ""; }

bool IsLocalPath(const std::string& file) {
  return (file.size() >= 2 && file[1] == ':') || file.rfind("\\\\", 0) == 0;
}

}  // namespace

HINSTANCE WINAPI ShellExecuteA(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters,
                               LPCSTR directory, INT show) {
  desktop::State& state = desktop::Current();
  state.shellExecutes.push_back(desktop::ShellExecuteRecord{
      owner, Text(verb), Text(file), Text(parameters), Text(directory), show});
  desktop::Observer().ShellExecuted(state.shellExecutes.back());
  std::string target = Text(file);
  if (IsLocalPath(target)) {
    std::string real = state.files->RealPath(target);
    if (real.empty() || state.files->Attributes(real) == INVALID_FILE_ATTRIBUTES) {
      desktop::SetError(ERROR_FILE_NOT_FOUND);
      return reinterpret_cast<HINSTANCE>(static_cast<ULONG_PTR>(SE_ERR_FNF));
    }
  }
  return reinterpret_cast<HINSTANCE>(static_cast<ULONG_PTR>(42));
}
