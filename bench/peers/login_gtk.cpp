// The login dialog with GTK 3 and its default theme: every control at the
// pixel position and size of examples/login/login.frm (a GtkFixed; the theme
// may still make a control larger than asked). OK waits for a user name,
// Enter in the password box signs in, and who signed in is printed.

#include <gtk/gtk.h>
#include <cstdio>

namespace {

struct Login {
  GtkWidget *window, *user, *password, *remember, *ok;
};

GtkWidget *place(GtkWidget *fixed, GtkWidget *widget, int x, int y, int width, int height) {
  gtk_widget_set_size_request(widget, width, height);
  gtk_fixed_put(GTK_FIXED(fixed), widget, x, y);
  return widget;
}

GtkWidget *label_for(GtkWidget *target, const char *text) {
  GtkWidget *label = gtk_label_new_with_mnemonic(text);
  gtk_label_set_mnemonic_widget(GTK_LABEL(label), target);
  gtk_label_set_xalign(GTK_LABEL(label), 0);
  return label;
}

void user_changed(GtkEditable *user, Login *login) {
  gtk_widget_set_sensitive(login->ok, gtk_entry_get_text_length(GTK_ENTRY(user)) > 0);
}

void sign_in(GtkWidget *, Login *login) {
  if (!gtk_widget_get_sensitive(login->ok)) return;
  std::printf("signed in as %s%s\n", gtk_entry_get_text(GTK_ENTRY(login->user)),
         gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(login->remember)) ? " (remembered)" : "");
  gtk_widget_destroy(login->window);
}

}  // namespace

int main(int argc, char **argv) {
  gtk_init(&argc, &argv);
  Login login{};
  login.window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
  gtk_window_set_title(GTK_WINDOW(login.window), "Sign in");
  gtk_window_set_default_size(GTK_WINDOW(login.window), 320, 176);
  gtk_window_set_resizable(GTK_WINDOW(login.window), FALSE);
  gtk_window_move(GTK_WINDOW(login.window), 200, 160);
  g_signal_connect(login.window, "destroy", G_CALLBACK(gtk_main_quit), NULL);

  GtkWidget *fixed = gtk_fixed_new();
  gtk_widget_set_size_request(fixed, 320, 176);
  gtk_container_add(GTK_CONTAINER(login.window), fixed);
  login.user = gtk_entry_new();
  login.password = gtk_entry_new();
  gtk_entry_set_visibility(GTK_ENTRY(login.password), FALSE);
  gtk_entry_set_invisible_char(GTK_ENTRY(login.password), '*');
  place(fixed, label_for(login.user, "_User name:"), 16, 42, 80, 13);
  place(fixed, login.user, 104, 38, 200, 21);
  place(fixed, label_for(login.password, "_Password:"), 16, 74, 80, 13);
  place(fixed, login.password, 104, 70, 200, 21);
  login.remember = place(fixed, gtk_check_button_new_with_mnemonic("_Remember me"), 104, 104, 80, 13);
  login.ok = place(fixed, gtk_button_new_with_label("OK"), 136, 136, 75, 21);
  GtkWidget *cancel = place(fixed, gtk_button_new_with_label("Cancel"), 224, 136, 75, 21);

  gtk_widget_set_sensitive(login.ok, FALSE);
  g_signal_connect(login.user, "changed", G_CALLBACK(user_changed), &login);
  g_signal_connect(login.password, "activate", G_CALLBACK(sign_in), &login);
  g_signal_connect(login.ok, "clicked", G_CALLBACK(sign_in), &login);
  g_signal_connect_swapped(cancel, "clicked", G_CALLBACK(gtk_widget_destroy), login.window);

  gtk_widget_show_all(login.window);
  gtk_main();
  return 0;
}
