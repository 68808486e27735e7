// How the check box follows the mouse, the keyboard and the focus. The mouse
// handlers only record the button state and raise events; the box look is
// derived on the next hover tick from the enabled flag, the button state,
// the cursor and the value:
//
//   enabled  m_Button  cursor over  box
//   no       any       any          e (disabled)
//   yes      non-zero  any          c (pressed)
//   yes      0         yes          a (hover)
//   yes      0         no           d (normal)
//
// A release on the input surface or a click of the hidden push button
// advances the value (ToggleValue); only a release raises Click.

#include <limits>

#include "controls/checkbox/chk_Opaline_CheckBox.h"
#include "window_services/mod_ActiveWindow.h"

namespace okit {

void chk_Opaline_CheckBox::connect_handlers() {
  handle(*cmd_move, "MouseDown", [this](std::span<Value> args) { cmd_move_MouseDown(args); });
  handle(*cmd_move, "MouseMove", [this](std::span<Value> args) { cmd_move_MouseMove(args); });
  handle(*cmd_move, "MouseUp", [this](std::span<Value> args) { cmd_move_MouseUp(args); });
  handle(*cmd_HotKey, "Click", [this](std::span<Value>) { cmd_HotKey_Click(); });
  handle(*tmr_hover, "Timer", [this](std::span<Value>) { tmr_hover_Timer(); });
}

// Any button counts as a press. The pressed look waits for the next tick.
void chk_Opaline_CheckBox::cmd_move_MouseDown(std::span<Value> args) {
  m_Button = 1;
  RaiseEvent("MouseDown", args);
}

// The state is read before raising, so what the application's handler does
// to Button has no effect on the check box.
void chk_Opaline_CheckBox::cmd_move_MouseMove(std::span<Value> args) {
  tmr_hover->put_Enabled(true);
  m_Button = args[0].to_integer();
  RaiseEvent("MouseMove", args);
}

// The host delivers the release to the element that took the press, so a
// press dragged off the control still toggles. The new value is drawn while
// m_Button is still set, so the box shows the pressed image of the new value
// until the next tick. A toggle that overflows ends the handler there.
void chk_Opaline_CheckBox::cmd_move_MouseUp(std::span<Value> args) {
  ToggleValue();
  if (!alive()) return;
  RaiseEvent("Click");
  if (!alive()) return;
  m_Button = 0;
  RaiseEvent("MouseUp", args);
}

// The keyboard toggles through the hidden push button: Change, and no Click.
void chk_Opaline_CheckBox::cmd_HotKey_Click() { ToggleValue(); }

// Advances the value by one, wrapping after chk_Checked or, with Inactive
// set, after chk_Inactive. The arithmetic is 16-bit: a value that does not
// fit, or 32767, which would step out of range, stops with Overflow before
// anything changes. The remainder keeps the sign of the dividend, so
// negative values from code step towards zero.
void chk_Opaline_CheckBox::ToggleValue() {
  constexpr std::int32_t kMin = std::numeric_limits<std::int16_t>::min();
  constexpr std::int32_t kMax = std::numeric_limits<std::int16_t>::max();
  if (m_Value < kMin || m_Value >= kMax) throw RuntimeError(err::Overflow);
  const std::int32_t cycle = m_Inactive ? 3 : 2;
  put_Value((m_Value + 1) % cycle);
  RaiseEvent("Change");
}

// The timer runs exactly while the cursor is over the input surface and not
// over the dead zone below the box; it stops itself on the first tick after
// the cursor has left.
void chk_Opaline_CheckBox::tmr_hover_Timer() {
  const bool over_surface = IsCursorOver(*cmd_move);
  const bool over_dead_zone = IsCursorOver(*cmd_none);
  const bool hover = over_surface && !over_dead_zone;
  tmr_hover->put_Enabled(hover);
  // From here on a failing step is skipped: a form without a window handle
  // or a failing redraw leaves the box as it is, without an error.
  try {
    Element* form = Parent();
    if (!form) return;
    const std::int32_t form_hwnd = form->hwnd();
    // While its form is not the active window the box does not follow the mouse.
    if (mod_ActiveWindow::IsWindowActive(*this, form_hwnd)) ShowStateImage(hover);
  } catch (const RuntimeError&) {
  }
}

void chk_Opaline_CheckBox::UserControl_EnterFocus() { set_focused(true); }
void chk_Opaline_CheckBox::UserControl_GotFocus() { set_focused(true); }
void chk_Opaline_CheckBox::UserControl_ExitFocus() { set_focused(false); }
void chk_Opaline_CheckBox::UserControl_LostFocus() { set_focused(false); }

// Focus only recolours the caption; the box and the value stay, and no focus
// rectangle is drawn.
void chk_Opaline_CheckBox::set_focused(bool focused) {
  m_Focused = focused;
  ApplyCaptionColor();
}

// The check box's private cursor test over one of its own elements.
bool chk_Opaline_CheckBox::IsCursorOver(Element& element) {
  return cursor_over_element(*this, element, m_ScreenRect, cursor_memo_);
}

}  // namespace okit
