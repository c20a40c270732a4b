#include "platform/desktop/gtk/native_menu.h"

#include <string>

#include "platform/desktop/codepage.h"
#include "platform/desktop/state.h"

namespace desktop::gtk {
namespace {

// What one shown menu has heard from the user; lives until the answer is given.
struct Answer {
  GtkWidget* menu = nullptr;
  UINT chosen = 0;
  bool given = false;
  bool closing = false;
};

// "&Close\tAlt+F4" as a GTK mnemonic label: "_Close".
std::string Label(const std::string& cp936) {
  std::string text = Cp936ToUtf8(cp936);
  std::string label;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\t') break;
    if (text[i] == '_') label += "__";
    else if (text[i] == '&' && i + 1 < text.size() && text[i + 1] == '&') label += text[++i];
    else if (text[i] == '&') label += '_';
    else label += text[i];
  }
  return label;
}

void Give(Answer* answer) {
  if (answer->given) return;
  answer->given = true;
  MenuChoice choice;
  if (answer->chosen) choice = MenuChoice{MenuChoice::kById, answer->chosen, {}};
  ChooseFromOpenMenu(choice);
  // Wakes the menu's loop, which waits for a message.
  PostMessageA(nullptr, WM_NULL, 0, 0);
}

void OnItemActivated(GtkMenuItem* item, gpointer answer) {
  static_cast<Answer*>(answer)->chosen =
      GPOINTER_TO_UINT(g_object_get_data(G_OBJECT(item), "tessal-command"));
  Give(static_cast<Answer*>(answer));
}

// A closed menu's item is activated after the menu closes: the answer waits
// for the loop to go idle, then the menu and its answer go.
gboolean GiveWhenIdle(gpointer data) {
  auto* answer = static_cast<Answer*>(data);
  Give(answer);
  gtk_widget_destroy(answer->menu);
  g_object_unref(answer->menu);
  delete answer;
  return G_SOURCE_REMOVE;
}
void OnClosed(GtkMenuShell*, gpointer data) {
  auto* answer = static_cast<Answer*>(data);
  if (answer->closing) return;
  answer->closing = true;
  g_idle_add(GiveWhenIdle, answer);
}

GtkWidget* Build(HMENU handle, Answer* answer) {
  GtkWidget* menu = gtk_menu_new();
  Menu* model = Current().menus.Find(handle);
  if (!model) return menu;
  for (const MenuItem& item : model->items) {
    GtkWidget* widget = nullptr;
    if (item.flags & MF_SEPARATOR) {
      widget = gtk_separator_menu_item_new();
    } else if (item.flags & MF_CHECKED) {
      widget = gtk_check_menu_item_new_with_mnemonic(Label(item.text).c_str());
      gtk_check_menu_item_set_active(GTK_CHECK_MENU_ITEM(widget), TRUE);
    } else {
      widget = gtk_menu_item_new_with_mnemonic(Label(item.text).c_str());
    }
    if (item.flags & (MF_GRAYED | MF_DISABLED)) gtk_widget_set_sensitive(widget, FALSE);
    if (item.flags & MF_POPUP) {
      gtk_menu_item_set_submenu(GTK_MENU_ITEM(widget), Build(item.popup, answer));
    } else if (!(item.flags & MF_SEPARATOR)) {
      g_object_set_data(G_OBJECT(widget), "tessal-command", GUINT_TO_POINTER(item.id));
      g_signal_connect(widget, "activate", G_CALLBACK(OnItemActivated), answer);
    }
    gtk_menu_shell_append(GTK_MENU_SHELL(menu), widget);
  }
  return menu;
}

}  // namespace

void PopUpNativeMenu(HMENU handle, POINT at, GtkWidget* ownerWindow) {
  auto* answer = new Answer;
  GtkWidget* menu = Build(handle, answer);
  answer->menu = GTK_WIDGET(g_object_ref_sink(menu));  // ours until the answer is given
  g_signal_connect(menu, "deactivate", G_CALLBACK(OnClosed), answer);
  if (ownerWindow) gtk_menu_attach_to_widget(GTK_MENU(menu), ownerWindow, nullptr);
  gtk_widget_show_all(menu);
  GdkRectangle point{at.x, at.y, 1, 1};
  gtk_menu_popup_at_rect(GTK_MENU(menu), gdk_get_default_root_window(), &point,
                         GDK_GRAVITY_NORTH_WEST, GDK_GRAVITY_NORTH_WEST, nullptr);
}

}  // namespace desktop::gtk
