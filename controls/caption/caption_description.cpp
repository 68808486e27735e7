// What the caption control says about itself: the window it frames, named by
// its title, active while its form is the active window.

#include "controls/caption/ctl_Opaline_Form.h"
#include "host/desktop.h"

namespace okit {

Description ctl_Opaline_Form::describe() {
  Description d = UserControl::describe();
  d.role = "window";
  d.states.active = form() && desktop() && desktop()->active_form() == form();
  return d;
}

}  // namespace okit
