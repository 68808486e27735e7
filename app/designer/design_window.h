#pragma once
// The designer on screen: the form being designed in its own window, in
// design mode (design_canvas.h), with the toolbox (toolbox_window.h) and the
// property grid (property_window.h) beside it, Run mode (form_run.h) and the
// question before unsaved changes are lost. The form's window title carries
// Designer::title().

#include <ostream>

#include "api/application.h"
#include "app/designer/designer.h"

namespace okit {

// Runs the windows with `app`'s message loop until the form's window is
// closed. Returns false at once when there is no display. The Application
// must have been created before the Designer, which then owns the desktop.
bool run_design_window(Application& app, Designer& designer, std::ostream& err);

}  // namespace okit
