#pragma once
// The skin images of each control, drawn from the colours the controls'
// looks are defined by. Each function returns the complete set of one
// control folder.

#include "tools/skingen/canvas.h"

namespace okit::skingen {

SkinSet button_skins();
SkinSet caption_skins();
SkinSet checkbox_skins();
SkinSet textbox_skins();
SkinSet tabstrip_skins();

}  // namespace okit::skingen
