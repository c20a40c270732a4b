#include "platform/desktop/gtk/native_message_box.h"

#include <string>
#include <vector>

#include "platform/desktop/codepage.h"
#include "platform/desktop/input.h"
#include "platform/desktop/state.h"

namespace desktop::gtk {
namespace {

constexpr int kAnswers[] = {IDOK, IDYES, IDNO, IDABORT, IDRETRY, IDIGNORE, IDCANCEL};

GtkMessageType MessageTypeOf(UINT type) {
  switch (type & MB_ICONMASK) {
    case MB_ICONQUESTION: return GTK_MESSAGE_QUESTION;
    case MB_ICONEXCLAMATION: return GTK_MESSAGE_WARNING;
    case MB_ICONHAND: return GTK_MESSAGE_ERROR;
    case MB_ICONINFORMATION: return GTK_MESSAGE_INFO;
    default: return GTK_MESSAGE_OTHER;
  }
}

std::string MnemonicLabel(int id) { return "_" + MessageBoxButtonName(id); }

}  // namespace

NativeMessageBox::NativeMessageBox(const MessageBoxRecord& box, GtkWidget* owner)
    : box_(box.box),
      dialog_(gtk_message_dialog_new(owner ? GTK_WINDOW(owner) : nullptr, GTK_DIALOG_MODAL,
                                     MessageTypeOf(box.type), GTK_BUTTONS_NONE, "%s",
                                     Cp936ToUtf8(box.text).c_str())) {
  g_object_ref_sink(dialog_);
  gtk_window_set_title(GTK_WINDOW(dialog_), Cp936ToUtf8(box.caption).c_str());
  // The buttons the desktop's box has, in its order; its default stays the default.
  std::vector<HWND> buttons;
  for (HWND child = GetWindow(box_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    buttons.push_back(child);
  }
  bool hasCancel = false, onlyOk = true;
  for (HWND child : buttons) {
    int id = GetDlgCtrlID(child);
    bool answer = false;
    for (int known : kAnswers) answer |= id == known;
    if (!answer) continue;
    gtk_dialog_add_button(GTK_DIALOG(dialog_), MnemonicLabel(id).c_str(), id);
    hasCancel |= id == IDCANCEL;
    onlyOk &= id == IDOK;
  }
  gtk_dialog_set_default_response(GTK_DIALOG(dialog_), DefaultMessageBoxButton(box_));
  // As on Windows, a Yes/No box can only be answered by its buttons.
  closable_ = hasCancel || onlyOk;
  gtk_window_set_deletable(GTK_WINDOW(dialog_), closable_);
  gtk_window_set_position(GTK_WINDOW(dialog_), GTK_WIN_POS_CENTER);
  gtk_window_set_keep_above(GTK_WINDOW(dialog_), TRUE);
  g_signal_connect(dialog_, "response", G_CALLBACK(OnResponse), this);
  // The dialog turns a close into a response; the window itself is never destroyed by it.
  g_signal_connect(dialog_, "delete-event", G_CALLBACK(gtk_true), nullptr);
  gtk_widget_show_all(dialog_);
  gtk_window_present(GTK_WINDOW(dialog_));
}

NativeMessageBox::~NativeMessageBox() {
  g_signal_handlers_disconnect_by_data(dialog_, this);
  gtk_widget_destroy(dialog_);
  g_object_unref(dialog_);
}

GtkWidget* NativeMessageBox::ButtonFor(int id) const {
  return gtk_dialog_get_widget_for_response(GTK_DIALOG(dialog_), id);
}

void NativeMessageBox::OnResponse(GtkDialog*, gint response, gpointer self) {
  auto* box = static_cast<NativeMessageBox*>(self);
  // Esc and the window's close are the box's Cancel (Esc ends an OK-only
  // box with OK); a Yes/No box ignores them.
  if (response == GTK_RESPONSE_DELETE_EVENT) {
    if (!box->closable_) return;
    response = IDCANCEL;
  }
  if (response <= 0) return;
  gtk_widget_hide(box->dialog_);  // answered: the box goes with the program's next look
  PostMessageA(box->box_, WM_COMMAND, static_cast<WPARAM>(response), 0);
}

}  // namespace desktop::gtk
