#pragma once
// The cursor test: does the mouse cursor lie over a child element of a
// control? The element's rectangle is read by property name in the surface's
// scale units, converted to pixels with banker's rounding, mapped to the
// screen, and written to the caller's m_ScreenRect whatever the answer. The
// rectangle includes its left column and top row and excludes its right
// column and bottom row. The controls that poll the cursor each call it from
// their own private IsCursorOver.

#include <cstdint>

namespace okit {

class Element;
class UserControl;

struct ScreenRect {
  std::int32_t left = 0, top = 0, right = 0, bottom = 0;
};

// Throws RuntimeError: Overflow (6) when an edge does not fit 32 bits or left
// or top is the smallest 32-bit integer; whatever reading a property raises.
bool cursor_over_element(UserControl& surface, Element& element, ScreenRect& m_ScreenRect);

}  // namespace okit
