#include "controls/controls.h"

#include "controls/button/cmd_Opaline_Button.h"
#include "controls/checkbox/chk_Opaline_CheckBox.h"
#include "controls/caption/ctl_Opaline_Form.h"
#include "controls/frame/fam_Opaline_Framebordder.h"
#include "controls/tabstrip/stp_Brook_TabStrip.h"
#include "controls/textbox/txt_Opaline_opal.h"
#include "library/class_registry.h"

namespace okit {

void register_controls(ClassRegistry& registry) {
  registry.register_factory("cmd_Opaline_Button", [] { return std::make_shared<cmd_Opaline_Button>(); });
  registry.register_factory("chk_Opaline_CheckBox", [] { return std::make_shared<chk_Opaline_CheckBox>(); });
  registry.register_factory("ctl_Opaline_Form", [] { return std::make_shared<ctl_Opaline_Form>(); });
  registry.register_factory("txt_Opaline_opal", [] { return std::make_shared<txt_Opaline_opal>(); });
  registry.register_factory("fam_Opaline_Framebordder", [] { return std::make_shared<fam_Opaline_Framebordder>(); });
  registry.register_factory("stp_Brook_TabStrip", [] { return std::make_shared<stp_Brook_TabStrip>(); });
}

}  // namespace okit
