#include "window_services/platform.h"

#include "host/desktop.h"

namespace okit {

std::int32_t GetActiveWindow(const Desktop& desktop) { return desktop.active_window(); }

std::int32_t GetCursorPos(const Desktop& desktop, POINTAPI& point) {
  const Point cursor = desktop.cursor();
  point = {cursor.x, cursor.y};
  return 1;
}

std::int32_t ClientToScreen(const Desktop& desktop, std::int32_t hWnd, POINTAPI& point) {
  Element* window = desktop.find_window(hWnd);
  if (!window) return 0;
  // The platform's arithmetic wraps rather than traps; do the same without
  // signed overflow.
  const Point origin = window->screen_origin();
  point.x = static_cast<std::int32_t>(static_cast<std::uint32_t>(point.x) + static_cast<std::uint32_t>(origin.x));
  point.y = static_cast<std::int32_t>(static_cast<std::uint32_t>(point.y) + static_cast<std::uint32_t>(origin.y));
  return 1;
}

std::int32_t ReleaseCapture(Desktop& desktop) {
  desktop.release_capture();
  return 1;
}

std::int32_t SendMessageA(Desktop& desktop, std::int32_t hWnd, std::int32_t message, std::int32_t wParam,
                          const void* /*lParam*/) {
  if (message != WM_NCLBUTTONDOWN || wParam != HTCAPTION) return 0;
  if (Element* window = desktop.find_window(hWnd)) desktop.run_move_loop(*window);
  return 0;
}

}  // namespace okit
