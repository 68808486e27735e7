// How the button follows the mouse, the keyboard and the focus. It stores no
// look: each refresh derives it from the enabled state, the activation of the
// form, the cursor, the mouse-button state and the focus flag.
//
//   over  m_Button  m_Focused  look
//   yes   0         any        hover
//   yes   > 0       any        pressed
//   no    any       yes        focused
//   no    any       no         normal
//
// The mouse handlers never repaint: the next refresh shows the new look.

#include "controls/button/cmd_Opaline_Button.h"
#include "host/desktop.h"
#include "window_services/mod_ActiveWindow.h"

namespace okit {

void cmd_Opaline_Button::connect_handlers() {
  handle(*cmd_move, "MouseDown", [this](std::span<Value> args) { cmd_move_MouseDown(args); });
  handle(*cmd_move, "MouseMove", [this](std::span<Value> args) { cmd_move_MouseMove(args); });
  handle(*cmd_move, "MouseUp", [this](std::span<Value> args) { cmd_move_MouseUp(args); });
  handle(*cmd_move, "Click", [this](std::span<Value>) { cmd_move_Click(); });
  // A double click raises Click a second time: the button has no DblClick.
  handle(*cmd_move, "DblClick", [this](std::span<Value>) { cmd_move_Click(); });
  handle(*cmd_HotKey, "Click", [this](std::span<Value>) { cmd_HotKey_Click(); });
  handle(*tmr_hover, "Timer", [this](std::span<Value>) { tmr_hover_Timer(); });
}

// The handlers read Button before raising, so what the application's handler
// does to it has no effect on the button.
void cmd_Opaline_Button::cmd_move_MouseDown(std::span<Value> args) {
  m_Button = 1;
  RaiseEvent("MouseDown", args);
}

void cmd_Opaline_Button::cmd_move_MouseMove(std::span<Value> args) {
  m_Button = args[0].to_integer();
  RaiseEvent("MouseMove", args);
  if (alive()) tmr_hover->put_Enabled(true);
}

void cmd_Opaline_Button::cmd_move_MouseUp(std::span<Value> args) {
  m_Button = 0;
  RaiseEvent("MouseUp", args);
}

void cmd_Opaline_Button::cmd_move_Click() { RaiseEvent("Click"); }

void cmd_Opaline_Button::cmd_HotKey_Click() { RaiseEvent("Click"); }

// Keys that reach the surface are passed on and change nothing else; Click
// from the keyboard comes only through cmd_HotKey.
void cmd_Opaline_Button::UserControl_KeyDown(std::int16_t& KeyCode, std::int16_t& Shift) {
  Value args[] = {KeyCode, Shift};
  RaiseEvent("KeyDown", args);
  KeyCode = args[0].to_integer();
  Shift = args[1].to_integer();
}

void cmd_Opaline_Button::UserControl_KeyPress(std::int16_t& KeyAscii) {
  Value args[] = {KeyAscii};
  RaiseEvent("KeyPress", args);
  KeyAscii = args[0].to_integer();
}

void cmd_Opaline_Button::UserControl_KeyUp(std::int16_t& KeyCode, std::int16_t& Shift) {
  Value args[] = {KeyCode, Shift};
  RaiseEvent("KeyUp", args);
  KeyCode = args[0].to_integer();
  Shift = args[1].to_integer();
}

void cmd_Opaline_Button::UserControl_EnterFocus() {
  m_Focused = true;
  tmr_hover_Timer();
}

void cmd_Opaline_Button::UserControl_GotFocus() {
  m_Focused = true;
  tmr_hover_Timer();
}

void cmd_Opaline_Button::UserControl_ExitFocus() {
  m_Focused = false;
  tmr_hover_Timer();
}

void cmd_Opaline_Button::UserControl_LostFocus() {
  m_Focused = false;
  tmr_hover_Timer();
}

void cmd_Opaline_Button::UserControl_Show() { tmr_hover_Timer(); }

void cmd_Opaline_Button::UserControl_Resize() { LayoutButton(); }

// The refresh: one run per tick, and on Show, focus changes and Caption
// assignments. The timer runs exactly while the cursor is over the button.
void cmd_Opaline_Button::tmr_hover_Timer() {
  const bool over = IsCursorOver(*cmd_move);
  tmr_hover->put_Enabled(over);
  UpdateCaption();
  // From here on a failing step is skipped: a refresh must never take the
  // host down over a look.
  try {
    show_current_look(over);
  } catch (const RuntimeError&) {
  }
}

void cmd_Opaline_Button::show_current_look(bool over) {
  if (!m_Enabled) return;  // a disabled button keeps the look ApplyEnabledLook gave it
  // While its form is not the active window the button's look does not change.
  Element* parent = Parent();
  if (!parent) return;
  const std::int32_t form_hwnd = parent->hwnd();
  if (!mod_ActiveWindow::IsWindowActive(*this, form_hwnd)) return;
  if (over && m_Button == 0)
    ShowLook(*h1, *h2, *h3, false);
  else if (over && m_Button > 0)
    ShowLook(*c1, *c2, *c3, true);
  else if (!over && m_Focused)
    ShowLook(*f1, *f2, *f3, false);
  else if (!over)
    ShowLook(*d1, *d2, *d3, false);
}

// The button's private cursor test over one of its own elements.
bool cmd_Opaline_Button::IsCursorOver(Element& element) {
  return cursor_over_element(*this, element, m_ScreenRect, cursor_memo_);
}

}  // namespace okit
