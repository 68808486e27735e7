#include "window_services/mod_MoveWindows.h"

#include "window_services/platform.h"

namespace okit::mod_MoveWindows {

void DragWindow(const std::int32_t& hWnd) {
  // The press that started the drag captured the mouse for the calling
  // control; the move loop needs it back.
  ReleaseCapture();
  // No cursor position is passed: the move loop reads the cursor itself.
  const std::int32_t no_position = 0;
  SendMessageA(hWnd, WM_NCLBUTTONDOWN, HTCAPTION, &no_position);
}

}  // namespace okit::mod_MoveWindows
