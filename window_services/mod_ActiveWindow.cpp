#include "window_services/mod_ActiveWindow.h"

#include "window_services/platform.h"

namespace okit::mod_ActiveWindow {

bool IsWindowActive(const std::int32_t& hWnd) { return GetActiveWindow() == hWnd; }

}  // namespace okit::mod_ActiveWindow
