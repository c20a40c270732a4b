#include "baseline_windows.h"

#include <gtk/gtk.h>
#include <webkit2/webkit2.h>

#include <cstdio>

#include "child_process.h"

namespace bench {
namespace {

constexpr int kWidth = 1008;
constexpr int kHeight = 601;

bool committed = false;

void PrintMoment(const char* what) {
  std::printf("%s %.1f\n", what, BootClockMs());
  std::fflush(stdout);
}

gboolean OnViewDrawn(GtkWidget* view, cairo_t*, gpointer) {
  if (!committed) return FALSE;  // the empty view before the page
  PrintMoment("paint");
  g_signal_handlers_disconnect_by_func(view, reinterpret_cast<gpointer>(OnViewDrawn), nullptr);
  return FALSE;
}

void OnLoadChanged(WebKitWebView*, WebKitLoadEvent event, gpointer) {
  if (event == WEBKIT_LOAD_COMMITTED) committed = true;
  if (event == WEBKIT_LOAD_FINISHED) PrintMoment("complete");
}

bool InitGtk() {
  if (gtk_init_check(nullptr, nullptr)) return true;
  std::fprintf(stderr, "startup_bench: GTK cannot open the display\n");
  return false;
}

}  // namespace

int RunPlainWebView(const char* url, bool withoutAcceleration) {
  if (!InitGtk()) return 1;
  GtkWidget* window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
  gtk_window_set_default_size(GTK_WINDOW(window), kWidth, kHeight);
  GtkWidget* view = webkit_web_view_new();
  if (withoutAcceleration) {
    webkit_settings_set_hardware_acceleration_policy(
        webkit_web_view_get_settings(WEBKIT_WEB_VIEW(view)),
        WEBKIT_HARDWARE_ACCELERATION_POLICY_NEVER);
  }
  gtk_container_add(GTK_CONTAINER(window), view);
  g_signal_connect_after(view, "draw", G_CALLBACK(OnViewDrawn), nullptr);
  g_signal_connect(view, "load-changed", G_CALLBACK(OnLoadChanged), nullptr);
  g_signal_connect(window, "destroy", G_CALLBACK(gtk_main_quit), nullptr);
  gtk_widget_show_all(window);
  PrintMoment("request");
  webkit_web_view_load_uri(WEBKIT_WEB_VIEW(view), url);
  gtk_main();
  return 0;
}

}  // namespace bench
