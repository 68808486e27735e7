#pragma once
// The designer on screen: the form being designed in its own window, in
// design mode, and a toolbox window beside it. The form's window takes the
// mouse and keys for the Designer (select, drag, delete, nudge, undo, redo,
// save); its caption carries Designer::title().

#include <ostream>

#include "api/application.h"
#include "app/designer/designer.h"

namespace okit {

// Runs the windows with `app`'s message loop until the form's window is
// closed. Returns false at once when there is no display. The Application
// must have been created before the Designer, which then owns the desktop.
bool run_design_window(Application& app, Designer& designer, std::ostream& err);

}  // namespace okit
