#pragma once
// The active-window test: is this window the active window? Buttons and
// check boxes change their look only while their form is active, and the
// caption control picks its active or inactive look by it. The control that
// asks passes itself: the answer comes from its desktop, and a control on no
// desktop has no active window.

#include <cstdint>

namespace okit {
class Element;
}

namespace okit::mod_ActiveWindow {

bool IsWindowActive(const Element& caller, const std::int32_t& hWnd);

}  // namespace okit::mod_ActiveWindow
