#include "platform/desktop/gtk/status_icons.h"

#include <vector>

#include "platform/api/gdi_functions.h"
#include "platform/api/text_functions.h"
#include "platform/desktop/codepage.h"
#include "platform/desktop/state.h"

// GtkStatusIcon is GTK 3's deprecated but still working tray icon; it is the
// one that needs no extra library.
G_GNUC_BEGIN_IGNORE_DEPRECATIONS

namespace desktop::gtk {
namespace {

constexpr int kIconSize = 32;

// The icon drawn at tray size, as a pixbuf (premultiplied blending onto
// transparent black, as DrawIconEx draws).
GdkPixbuf* PictureOf(HICON icon) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = kIconSize;
  info.bmiHeader.biHeight = -kIconSize;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(dc, bitmap);
  DrawIconEx(dc, 0, 0, icon, kIconSize, kIconSize, 0, nullptr, DI_NORMAL);
  GdkPixbuf* picture = gdk_pixbuf_new(GDK_COLORSPACE_RGB, TRUE, 8, kIconSize, kIconSize);
  const auto* words = static_cast<const std::uint32_t*>(bits);
  for (int y = 0; y < kIconSize; ++y) {
    guchar* row = gdk_pixbuf_get_pixels(picture) + y * gdk_pixbuf_get_rowstride(picture);
    for (int x = 0; x < kIconSize; ++x) {
      std::uint32_t word = words ? words[y * kIconSize + x] : 0;
      row[x * 4 + 0] = static_cast<guchar>(word >> 16);
      row[x * 4 + 1] = static_cast<guchar>(word >> 8);
      row[x * 4 + 2] = static_cast<guchar>(word);
      row[x * 4 + 3] = (word & 0x00FFFFFF) ? 255 : 0;  // black: the transparent ground
    }
  }
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  return picture;
}

void Tell(GtkStatusIcon* icon, IconClick click) {
  HWND hwnd = static_cast<HWND>(g_object_get_data(G_OBJECT(icon), "tessal-window"));
  UINT id = GPOINTER_TO_UINT(g_object_get_data(G_OBJECT(icon), "tessal-id"));
  ClickNotifyIcon(hwnd, id, click);
}

}  // namespace

StatusIcons::~StatusIcons() {
  for (auto& [key, shown] : shown_) g_object_unref(shown.icon);
}

void StatusIcons::OnActivate(GtkStatusIcon* icon, gpointer) { Tell(icon, IconClick::kLeft); }

void StatusIcons::OnPopupMenu(GtkStatusIcon* icon, guint, guint, gpointer) {
  Tell(icon, IconClick::kRight);
}

void StatusIcons::Update() {
  const std::vector<NotifyIcon>& icons = Current().notifyIcons;
  for (auto it = shown_.begin(); it != shown_.end();) {
    bool present = false;
    for (const NotifyIcon& icon : icons) present = present || Key{icon.hwnd, icon.id} == it->first;
    if (present) {
      ++it;
      continue;
    }
    gtk_status_icon_set_visible(it->second.icon, FALSE);
    g_object_unref(it->second.icon);
    it = shown_.erase(it);
  }
  for (const NotifyIcon& icon : icons) {
    Shown& shown = shown_[Key{icon.hwnd, icon.id}];
    if (!shown.icon) {
      shown.icon = gtk_status_icon_new();
      g_object_set_data(G_OBJECT(shown.icon), "tessal-window", icon.hwnd);
      g_object_set_data(G_OBJECT(shown.icon), "tessal-id", GUINT_TO_POINTER(icon.id));
      g_signal_connect(shown.icon, "activate", G_CALLBACK(OnActivate), nullptr);
      g_signal_connect(shown.icon, "popup-menu", G_CALLBACK(OnPopupMenu), nullptr);
    }
    if (icon.icon != shown.picture) {
      shown.picture = icon.icon;
      GdkPixbuf* picture = PictureOf(icon.icon);
      gtk_status_icon_set_from_pixbuf(shown.icon, picture);
      g_object_unref(picture);
    }
    if (icon.tip != shown.tip) {
      shown.tip = icon.tip;
      gtk_status_icon_set_tooltip_text(shown.icon, Cp936ToUtf8(icon.tip).c_str());
    }
    gtk_status_icon_set_visible(shown.icon, TRUE);
  }
}

}  // namespace desktop::gtk

G_GNUC_END_IGNORE_DEPRECATIONS
