// What the host's own element kinds say about themselves.

#include "host/elements/command_button.h"
#include "host/elements/image.h"
#include "host/elements/label.h"
#include "host/elements/picture_box.h"
#include "host/elements/text_box.h"
#include "host/elements/timer.h"

namespace okit {

namespace {

Description with_role(Description d, std::string role) {
  d.role = std::move(role);
  return d;
}

}  // namespace

Description Label::describe() { return with_role(Element::describe(), "label"); }

Description Image::describe() { return with_role(Element::describe(), "image"); }

Description PictureBox::describe() { return with_role(Element::describe(), "picture"); }

Description CommandButton::describe() {
  Description d = with_role(Element::describe(), "button");
  d.actions.push_back(click_action(*this, "press", "Clicks the button."));
  return d;
}

// A field is named by its control name: its text is its value, shown as it
// is drawn, so a password field gives its mask characters.
Description TextBox::describe() {
  Description d = with_role(Element::describe(), "textbox");
  d.name = name();
  d.value = display_text();
  d.states.read_only = Locked();
  d.states.password = !PasswordChar().empty();
  return d;
}

// A timer is never seen nor reached, so nobody is told about it.
Description Timer::describe() { return with_role(Element::describe(), ""); }

}  // namespace okit
