#pragma once
// The active-window test: is this window the active window? Buttons and
// check boxes change their look only while their form is active, and the
// caption control picks its active or inactive look by it.

#include <cstdint>

namespace okit::mod_ActiveWindow {

bool IsWindowActive(const std::int32_t& hWnd);

}  // namespace okit::mod_ActiveWindow
