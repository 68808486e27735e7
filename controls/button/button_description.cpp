// What the button says about itself: a button named by its caption, pressed
// while it shows its pressed look, offering to be pressed.

#include "controls/button/cmd_Opaline_Button.h"
#include "host/picture.h"

namespace okit {

namespace {

bool same_picture(const Image& a, const Image& b) {
  return a.picture() && b.picture() && a.picture()->Handle() == b.picture()->Handle();
}

}  // namespace

// The button keeps its look only as pictures: it is pressed when its left
// slice (v1) shows the pressed left cap (c1), also under a forced look. It
// is pressed as the keyboard presses it, through its hidden push button.
Description cmd_Opaline_Button::describe() {
  Description d = UserControl::describe();
  d.role = "button";
  d.states.pressed = same_picture(*v1, *c1);
  d.actions.push_back(click_action(*cmd_HotKey, "press", "Raises Click, as Space or Enter does."));
  return d;
}

}  // namespace okit
