#include "window_services/cursor_test.h"

#include <limits>

#include "host/desktop.h"
#include "host/user_control.h"
#include "window_services/platform.h"

namespace okit {

namespace {

constexpr std::int16_t kPixels = 3;

// CLng: halves go to the even neighbour; out of range is an overflow.
std::int32_t round_to_long(double value) { return Value(value).to_long(); }

double read(Element& element, std::string_view property) { return element.get_property(property).to_double(); }

std::int32_t minus_one(std::int32_t v) {
  if (v == std::numeric_limits<std::int32_t>::min()) throw RuntimeError(err::Overflow);
  return v - 1;
}

}  // namespace

const CursorTestMemo::Answer* CursorTestMemo::find(const Element& element, std::uint64_t epoch) const {
  for (const auto& answer : answers_)
    if (answer.epoch == epoch && answer.element == &element) return &answer;
  return nullptr;
}

void CursorTestMemo::remember(const Answer& answer) {
  answers_[next_] = answer;
  next_ = (next_ + 1) % answers_.size();
}

namespace {

bool compute_cursor_over(const Desktop& desktop, UserControl& surface, Element& element, ScreenRect& m_ScreenRect) {
  const std::int16_t mode = surface.get_ScaleMode();
  m_ScreenRect.left = round_to_long(surface.ScaleX(read(element, "Left"), mode, kPixels));
  m_ScreenRect.top = round_to_long(surface.ScaleY(read(element, "Top"), mode, kPixels));
  POINTAPI top_left{m_ScreenRect.left, m_ScreenRect.top};
  ClientToScreen(desktop, surface.hwnd(), top_left);
  m_ScreenRect.left = top_left.x;
  m_ScreenRect.top = top_left.y;

  const double right = read(element, "Left") + read(element, "Width");
  const double bottom = read(element, "Top") + read(element, "Height");
  m_ScreenRect.right = round_to_long(surface.ScaleX(right, mode, kPixels));
  m_ScreenRect.bottom = round_to_long(surface.ScaleY(bottom, mode, kPixels));
  POINTAPI bottom_right{m_ScreenRect.right, m_ScreenRect.bottom};
  ClientToScreen(desktop, surface.hwnd(), bottom_right);
  m_ScreenRect.right = bottom_right.x;
  m_ScreenRect.bottom = bottom_right.y;

  POINTAPI cursor;
  GetCursorPos(desktop, cursor);
  return cursor.x > minus_one(m_ScreenRect.left) && cursor.x < m_ScreenRect.right &&
         cursor.y > minus_one(m_ScreenRect.top) && cursor.y < m_ScreenRect.bottom;
}

}  // namespace

// A test that throws remembers nothing, so the next tick throws again. A
// surface on no desktop has no cursor over it.
bool cursor_over_element(UserControl& surface, Element& element, ScreenRect& m_ScreenRect, CursorTestMemo& memo) {
  const Desktop* desktop = surface.desktop();
  if (!desktop) return false;
  const std::uint64_t epoch = desktop->layout_epoch();
  if (const auto* answer = memo.find(element, epoch)) {
    m_ScreenRect = answer->rect;
    return answer->over;
  }
  const bool over = compute_cursor_over(*desktop, surface, element, m_ScreenRect);
  memo.remember({epoch, &element, m_ScreenRect, over});
  return over;
}

}  // namespace okit
