#include "app/start_page_record.h"

#include "app/process_state.h"
#include "app/start_page_format.h"
#include "fw/afx.h"

namespace {

// The record's source: the program file through the framework, whose file
// errors (CFileException) end the attempt.
class ProgramFileSource : public start_page::Source {
 public:
  explicit ProgramFileSource(CFile& file) : file_(file) {}
  std::uint64_t Length() override { return file_.GetLength(); }
  void Seek(std::int64_t position) override { file_.Seek(position, CFile::begin); }
  std::uint32_t Read(void* buffer, std::uint32_t count) override {
    return file_.Read(buffer, count);
  }

 private:
  CFile& file_;
};

bool g_boxOpen = false;

// Shows one of the reader's boxes; while it is open the reader declines.
void ShowReaderBox(LPCSTR text) {
  struct Guard {
    Guard() { g_boxOpen = true; }
    ~Guard() { g_boxOpen = false; }
  } guard;
  AfxMessageBox(text, MB_OK, 0);
}

}  // namespace

int ReadStartPageRecord() {
  if (g_boxOpen) return 0;

  CFile file;
  CFileException error;
  if (!file.Open(ModulePath(), CFile::modeRead, &error)) {
    char reason[260] = {};
    error.GetErrorMessage(reason, sizeof reason);
    CString text;
    text.Format("文件打开失败%s", reason);
    ShowReaderBox(text);
    return 0;
  }
  try {
    ProgramFileSource source(file);
    start_page::Record record = start_page::Decode(source);
    if (!record.configured) {
      ShowReaderBox("当前没有配置内嵌页路径");
      file.Close();
      return 1;
    }
    StartPageUrl = CString(record.address);
    file.Close();
    return 1;
  } catch (const CFileException&) {
    file.Abort();
    return 0;
  }
}
