// How the caption control follows its form's activation and the mouse. It
// stores no look: each tick derives it from the activation of the form, the
// cursor over the close button and the button state m_Button, and the
// pictures in the slices are the only trace of it.
//
//   form        cursor over close   m_Button   l1 m1 l2 r2 l3 m3 r3   r1
//   not active  any                 any        deactivated set        dr1
//   active      no                  any        active set             ar1
//   active      yes                 0          active set             h1
//   active      yes                 not 0      active set             c1
//
// The mouse handlers never change a picture: the next tick shows the look.

#include "controls/caption/ctl_Opaline_Form.h"
#include "window_services/mod_ActiveWindow.h"
#include "window_services/mod_MoveWindows.h"

namespace okit {

namespace {

// MoveForm as the drag sees it: Null and Empty count as false, anything else
// converts as a boolean does, and a value that cannot (a word, an object)
// raises Type mismatch.
bool move_form_as_boolean(const Value& move_form) {
  if (move_form.is_null() || move_form.is_empty()) return false;
  return move_form.to_bool();
}

}  // namespace

void ctl_Opaline_Form::connect_handlers() {
  handle(*Timer1, "Timer", [this](std::span<Value>) { Timer1_Timer(); });
  handle(*cmd_click, "MouseDown", [this](std::span<Value>) { cmd_click_MouseDown(); });
  handle(*cmd_click, "MouseMove", [this](std::span<Value> args) { cmd_click_MouseMove(args); });
  handle(*cmd_click, "MouseUp", [this](std::span<Value>) { cmd_click_MouseUp(); });
  handle(*cmd_click, "DblClick", [this](std::span<Value>) { cmd_click_DblClick(); });
  handle(*cmd_click, "Click", [this](std::span<Value>) { cmd_click_Click(); });
  handle(*cmd_move, "MouseDown", [this](std::span<Value>) { cmd_move_MouseDown(); });
}

// Runs every tick for the life of the control. A tick never raises an error
// to the host: a cursor test that fails counts as "not over", a form whose
// window cannot be read counts as not active. The picture copies themselves
// cannot fail.
void ctl_Opaline_Form::Timer1_Timer() {
  bool hover = false;
  try {
    hover = IsCursorOver(*cmd_click);
  } catch (const RuntimeError&) {
  }
  // Nothing below pumps messages, so the activation read once holds for the
  // whole tick.
  bool parent_active = false;
  try {
    parent_active = mod_ActiveWindow::IsWindowActive(*this, ParentHwnd());
  } catch (const RuntimeError&) {
  }

  if (!parent_active) {
    ShowDeactivatedLook();
    return;
  }
  ShowActiveLook(hover);
  // The close button lights only while the form is active.
  ShowCloseButton(hover, m_Button != 0);
}

// ---- The close button: m_Button is its pressed flag, and a click closes.

// Whatever button went down counts as pressed.
void ctl_Opaline_Form::cmd_click_MouseDown() { m_Button = 1; }

// The buttons held during the move, 0 when none: a press dragged off and
// back shows pressed again, a move after the release shows hover.
void ctl_Opaline_Form::cmd_click_MouseMove(std::span<Value> args) { m_Button = args[0].to_integer(); }

void ctl_Opaline_Form::cmd_click_MouseUp() { m_Button = 0; }

// The second press of a double click arrives as DblClick instead of
// MouseDown, and must look pressed as well.
void ctl_Opaline_Form::cmd_click_DblClick() { m_Button = 1; }

// The control closes nothing itself: what a close means is the application's.
void ctl_Opaline_Form::cmd_click_Click() { RaiseEvent("CloseWindow"); }

// ---- The title bar: a press anywhere outside the close button (the caption
// text included) starts the platform's move loop, of the form or of the
// control itself. The loop returns when the button is released.
void ctl_Opaline_Form::cmd_move_MouseDown() {
  if (!get_DoMove()) return;
  if (move_form_as_boolean(get_MoveForm()))
    mod_MoveWindows::DragWindow(*this, ParentHwnd());
  else
    mod_MoveWindows::DragWindow(*this, hwnd());
}

// The window handle of the form that holds the control. Every tick reads it,
// so it is read directly rather than looked up by name.
std::int32_t ctl_Opaline_Form::ParentHwnd() const {
  Element* parent = Parent();
  if (!parent) throw RuntimeError(err::ObjectRequired);
  return parent->hwnd();
}

// The caption control's private cursor test over one of its own elements.
bool ctl_Opaline_Form::IsCursorOver(Element& element) {
  return cursor_over_element(*this, element, m_ScreenRect, cursor_memo_);
}

}  // namespace okit
