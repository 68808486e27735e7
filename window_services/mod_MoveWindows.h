#pragma once
// The caption drag: lets the user move a window by dragging any point of it,
// as if its title bar had been grabbed. Returns when the button is released.
// The control that asks passes itself: the drag runs on its desktop, and
// does nothing for a control on none.

#include <cstdint>

namespace okit {
class Element;
}

namespace okit::mod_MoveWindows {

void DragWindow(const Element& caller, const std::int32_t& hWnd);

}  // namespace okit::mod_MoveWindows
