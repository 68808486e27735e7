// What the frame says about itself: a group named by its caption.

#include "controls/frame/fam_Opaline_Framebordder.h"

namespace okit {

Description fam_Opaline_Framebordder::describe() {
  Description d = UserControl::describe();
  d.role = "group";
  return d;
}

}  // namespace okit
