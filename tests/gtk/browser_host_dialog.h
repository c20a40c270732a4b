// A dialog holding a browser control from a placeholder, as the program's
// windows hold theirs: its resources, the control recording each completed
// document, and script answers read as UTF-8 text.
#pragma once

#include <string>
#include <vector>

#include "browser/html_ctrl.h"
#include "platform/desktop/resource_model.h"

constexpr WORD kBrowserHostDialog = 300;
constexpr RECT kBrowserHostRect{10, 20, 410, 320};

class RecordingCtrl : public CHtmlCtrl {
 public:
  std::vector<std::string> completed;

 protected:
  void OnDocumentComplete(LPCSTR url) override {
    CHtmlCtrl::OnDocumentComplete(url);
    completed.push_back(url);
  }
};

class BrowserHostDialog : public CDialog {
 public:
  BrowserHostDialog() : CDialog(kBrowserHostDialog) {}
  RecordingCtrl browser;
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    browser.CreateFromPlaceholder(this, kBrowserHostRect);
    return TRUE;
  }
};

// The resources the test's session needs for the dialog.
inline const desktop::ResourceSet* BrowserHostResources() {
  static const desktop::ResourceSet resources = [] {
    desktop::ResourceSet r;
    r.dialogs.push_back(desktop::DialogResource{
        kBrowserHostDialog, true, WS_POPUP | WS_VISIBLE | DS_SETFONT, 0, 0, 0, 300, 220,
        "Browser host", "MS Shell Dlg", 8, {{"Static", "", WS_CHILD, 0, 50, 5, 40, 20, -1, 0}}});
    return r;
  }();
  return &resources;
}

// A script's string answer in UTF-8; anything else reads "(not a string)".
inline std::string Utf8Text(const VARIANT& value) {
  if (value.vt != VT_BSTR) return "(not a string)";
  char buffer[512] = {};
  WideCharToMultiByte(CP_UTF8, 0, value.bstrVal, static_cast<int>(SysStringLen(value.bstrVal)),
                      buffer, sizeof buffer - 1, nullptr, nullptr);
  return buffer;
}
