#pragma once
// The record of each control class, defined in the control's own folder
// (CONTROL/CONTROL_record.cpp) and registered by controls/controls.cpp.

#include "library/control_record.h"

namespace okit {

const ControlRecord& button_record();
const ControlRecord& checkbox_record();
const ControlRecord& caption_record();
const ControlRecord& textbox_record();
const ControlRecord& frame_record();
const ControlRecord& tabstrip_record();

}  // namespace okit
