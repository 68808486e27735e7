#pragma once
// Everything a program needs to load forms, reach the six controls by their
// classes and run the message loop. Include paths are relative to the
// installed include/OpalineKit folder, as inside the library itself.

#include "api/application.h"
#include "api/install_controls.h"
#include "controls/button/cmd_Opaline_Button.h"
#include "controls/caption/ctl_Opaline_Form.h"
#include "controls/checkbox/chk_Opaline_CheckBox.h"
#include "controls/frame/fam_Opaline_Framebordder.h"
#include "controls/tabstrip/stp_Brook_TabStrip.h"
#include "controls/textbox/txt_Opaline_opal.h"
#include "host/expected.h"
#include "host/form.h"
#include "host/runtime_error.h"
