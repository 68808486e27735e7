#pragma once
// The five user-interface functions the window services call, on top of a
// desktop: the active window of this application (0 when another
// application's window is active), the cursor, client-to-screen mapping,
// ending mouse capture, and the title-bar press that starts a window move.
// Each takes the desktop of the control that asks, since window handles and
// the cursor mean something only on one desktop.

#include <cstdint>

namespace okit {

class Desktop;

struct POINTAPI {
  std::int32_t x = 0;
  std::int32_t y = 0;
};

inline constexpr std::int32_t WM_NCLBUTTONDOWN = 0x00A1;
inline constexpr std::int32_t HTCAPTION = 2;

std::int32_t GetActiveWindow(const Desktop& desktop);
std::int32_t GetCursorPos(const Desktop& desktop, POINTAPI& point);
std::int32_t ClientToScreen(const Desktop& desktop, std::int32_t hWnd, POINTAPI& point);
std::int32_t ReleaseCapture(Desktop& desktop);
// Delivers the message synchronously; a title-bar press runs the move loop
// and returns when the mouse button is released.
std::int32_t SendMessageA(Desktop& desktop, std::int32_t hWnd, std::int32_t message, std::int32_t wParam, const void* lParam);

}  // namespace okit
