#pragma once
// The cursor test: does the mouse cursor lie over a child element of a
// control? The element's rectangle is read by property name in the surface's
// scale units, converted to pixels with banker's rounding, mapped to the
// screen, and written to the caller's m_ScreenRect whatever the answer. The
// rectangle includes its left column and top row and excludes its right
// column and bottom row. The controls that poll the cursor each call it from
// their own private IsCursorOver.
//
// The test runs on every tick of a control's timer, and nearly always nothing
// it reads has changed since the last tick. Each control therefore keeps a
// memo of its last answers, which stays good while its desktop's layout epoch
// stands still (nothing moved, resized, changed scale or left the tree, and
// the cursor kept its place).

#include <array>
#include <cstdint>

#include "host/export.h"

namespace okit {

class Element;
class UserControl;

struct OKIT_EXPORT ScreenRect {
  std::int32_t left = 0, top = 0, right = 0, bottom = 0;
};

// The last answers for up to two elements: a control tests at most two of its
// own elements on one tick.
class OKIT_EXPORT CursorTestMemo {
 public:
  struct Answer {
    std::uint64_t epoch = 0;  // 0: nothing remembered
    const Element* element = nullptr;
    ScreenRect rect;
    bool over = false;
  };
  const Answer* find(const Element& element, std::uint64_t epoch) const;
  void remember(const Answer& answer);

 private:
  std::array<Answer, 2> answers_;
  std::size_t next_ = 0;
};

// Throws RuntimeError: Overflow (6) when an edge does not fit 32 bits or left
// or top is the smallest 32-bit integer; whatever reading a property raises.
OKIT_EXPORT bool cursor_over_element(UserControl& surface, Element& element, ScreenRect& m_ScreenRect, CursorTestMemo& memo);

}  // namespace okit
