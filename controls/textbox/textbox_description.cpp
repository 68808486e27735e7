// What the text box says about itself: named by its control name, its text
// as its field shows it (mask characters for a password), read-only while
// locked.

#include "controls/textbox/txt_Opaline_opal.h"

namespace okit {

Description txt_Opaline_opal::describe() {
  Description d = UserControl::describe();
  d.role = "textbox";
  d.name = name();
  d.value = txt_text->display_text();
  d.states.read_only = txt_text->Locked();
  d.states.password = !txt_text->PasswordChar().empty();
  return d;
}

}  // namespace okit
