#include "window_services/mod_MoveWindows.h"

#include "host/element.h"
#include "window_services/platform.h"

namespace okit::mod_MoveWindows {

void DragWindow(const Element& caller, const std::int32_t& hWnd) {
  Desktop* desktop = caller.desktop();
  if (!desktop) return;
  // The press that started the drag captured the mouse for the calling
  // control; the move loop needs it back.
  ReleaseCapture(*desktop);
  // No cursor position is passed: the move loop reads the cursor itself.
  const std::int32_t no_position = 0;
  SendMessageA(*desktop, hWnd, WM_NCLBUTTONDOWN, HTCAPTION, &no_position);
}

}  // namespace okit::mod_MoveWindows
