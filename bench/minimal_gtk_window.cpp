// The start-up benchmark's baseline for a first frame: gtk_init, one
// undecorated 1008 × 601 top-level window, shown, and GTK's main loop, the
// least a GTK program does to show a frame. A program of its own, linked
// with GTK only, so that it loads what such a program loads and no more.
#include <gtk/gtk.h>

int main(int argc, char** argv) {
  if (!gtk_init_check(&argc, &argv)) return 1;
  GtkWidget* window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
  gtk_window_set_decorated(GTK_WINDOW(window), FALSE);
  gtk_window_set_default_size(GTK_WINDOW(window), 1008, 601);
  g_signal_connect(window, "destroy", G_CALLBACK(gtk_main_quit), nullptr);
  gtk_widget_show(window);
  gtk_main();
  return 0;
}
