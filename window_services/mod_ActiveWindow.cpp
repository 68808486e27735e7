#include "window_services/mod_ActiveWindow.h"

#include "host/element.h"
#include "window_services/platform.h"

namespace okit::mod_ActiveWindow {

bool IsWindowActive(const Element& caller, const std::int32_t& hWnd) {
  const Desktop* desktop = caller.desktop();
  return desktop && GetActiveWindow(*desktop) == hWnd;
}

}  // namespace okit::mod_ActiveWindow
