#pragma once
// One step of a backend's move loop (DragWindow): the cursor goes to a new
// point and the dragged window moves by as much as the cursor did.

#include "host/desktop.h"
#include "host/export.h"

namespace okit {

OKIT_EXPORT void move_with_cursor(Desktop& desktop, Element& window, Point p);

}  // namespace okit
