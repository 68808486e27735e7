// The login dialog with FLTK 1.3 and its default scheme: every control at
// the pixel position and size of examples/login/login.frm. OK waits for a
// user name, Enter in the password box signs in, and who signed in is
// printed.

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Check_Button.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Secret_Input.H>
#include <FL/Fl_Window.H>

#include <cstdio>

namespace {

struct Login {
  Fl_Window* window;
  Fl_Input* user;
  Fl_Check_Button* remember;
  Fl_Button* ok;
};

void user_changed(Fl_Widget*, void* data) {
  auto* login = static_cast<Login*>(data);
  if (login->user->size() > 0)
    login->ok->activate();
  else
    login->ok->deactivate();
}

void sign_in(Fl_Widget*, void* data) {
  auto* login = static_cast<Login*>(data);
  if (!login->ok->active()) return;
  std::printf("signed in as %s%s\n", login->user->value(), login->remember->value() ? " (remembered)" : "");
  login->window->hide();
}

void close_window(Fl_Widget*, void* data) { static_cast<Fl_Window*>(data)->hide(); }

// FLTK draws an input's label outside it; the dialog's labels are boxes of
// their own, as in the form file. A box underlines no access key, so its
// text has no "&".
void add_label(int y, const char* text) {
  auto* label = new Fl_Box(16, y, 80, 13, text);
  label->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
}

}  // namespace

int main(int argc, char** argv) {
  Fl_Window window(200, 160, 320, 176, "Sign in");
  add_label(42, "User name:");
  auto* user = new Fl_Input(104, 38, 200, 21);
  add_label(74, "Password:");
  auto* password = new Fl_Secret_Input(104, 70, 200, 21);
  auto* remember = new Fl_Check_Button(104, 104, 80, 13, "&Remember me");
  auto* ok = new Fl_Button(136, 136, 75, 21, "OK");
  auto* cancel = new Fl_Button(224, 136, 75, 21, "Cancel");
  window.end();

  Login login{&window, user, remember, ok};
  ok->deactivate();
  user->when(FL_WHEN_CHANGED);
  user->callback(user_changed, &login);
  password->when(FL_WHEN_ENTER_KEY_ALWAYS);
  password->callback(sign_in, &login);
  ok->callback(sign_in, &login);
  cancel->callback(close_window, &window);

  window.show(argc, argv);
  return Fl::run();
}
