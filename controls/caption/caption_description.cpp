// What the caption control says about itself: the window it frames, named by
// its title, active while its form is the active window; its one part is the
// close button, whose click raises CloseWindow as a click on its image does.

#include "controls/caption/ctl_Opaline_Form.h"
#include "host/desktop.h"

namespace okit {

Description ctl_Opaline_Form::describe() {
  Description d = UserControl::describe();
  d.role = "window";
  d.states.active = form() && desktop() && desktop()->active_form() == form();
  Description close;
  close.role = "button";
  close.name = "Close";
  close.states.disabled = d.states.disabled;
  close.actions.push_back(click_action(*cmd_click, "press", "Raises CloseWindow: the program decides whether the "
                                                            "window closes."));
  d.children.push_back(std::move(close));
  return d;
}

}  // namespace okit
