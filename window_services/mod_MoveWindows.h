#pragma once
// The caption drag: lets the user move a window by dragging any point of it,
// as if its title bar had been grabbed. Returns when the button is released.

#include <cstdint>

namespace okit::mod_MoveWindows {

void DragWindow(const std::int32_t& hWnd);

}  // namespace okit::mod_MoveWindows
