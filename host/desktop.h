#pragma once
// Desktop: the host's message loop and window manager state: the forms and
// which one is active, the cursor and the mouse buttons, mouse capture,
// keyboard focus, the clock and its timers, the queue of posted messages that
// DoEvents processes, the window handles of its elements, the layout epoch
// and the clipboard. Its owner (an application, the scenario runner, the
// designer, a test) creates it; a program may have several, and nothing on one
// touches another. Backends feed it input and time (the headless one from a
// script, the SDL one from real windows) and present what it composes;
// controls reach it through their form and see it only through the host model
// and the window services.

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "host/class_catalog.h"
#include "host/element.h"
#include "host/elements/clipboard.h"
#include "host/export.h"
#include "host/form.h"
#include "host/timer_queue.h"
#include "host/window_table.h"

namespace okit {

// Where the application sees what controls do.
class OKIT_EXPORT ApplicationEvents {
 public:
  virtual ~ApplicationEvents() = default;
  virtual void control_event(Element& control, std::string_view event, std::span<Value> args) = 0;
  virtual void property_changed(Element& control, std::string_view property_name) = 0;
  // A run-time error raised while a control handled input or a timer: it has
  // no caller to go to, so the host reports it.
  virtual void unhandled_error(const RuntimeError& error) = 0;
};

namespace mouse_button {
inline constexpr std::int16_t Left = 1, Right = 2, Middle = 4;
}
namespace shift_mask {
inline constexpr std::int16_t Shift = 1, Ctrl = 2, Alt = 4;
}

class OKIT_EXPORT Desktop : public EventSink {
 public:
  Desktop();
  // Unloads the forms that are left: their elements give up their windows
  // and timers here, while the tables they are in still exist.
  ~Desktop() override;
  Desktop(const Desktop&) = delete;
  Desktop& operator=(const Desktop&) = delete;

  void set_application(ApplicationEvents* app) { app_ = app; }
  ApplicationEvents* application() const { return app_; }

  // The control classes forms on this desktop can hold besides the host's
  // own element kinds; installing one is part of setting up the desktop.
  // class_catalog() raises Can't create object (429) when none is installed.
  void set_class_catalog(ClassCatalog* catalog) { catalog_ = catalog; }
  ClassCatalog& class_catalog() const;
  bool has_class_catalog() const { return catalog_ != nullptr; }

  // ---- Forms and activation -------------------------------------------------
  std::shared_ptr<Form> create_form(std::string name);
  const std::vector<std::shared_ptr<Form>>& forms() const { return forms_; }
  std::shared_ptr<Form> find_form(std::string_view name) const;
  void unload(Form& form);
  void unload_all();
  // The user closed the form's window: it is unloaded unless its close guard
  // keeps it.
  void close_by_user(Form& form);
  Form* active_form() const;
  // Activates a form (nullptr: another application's window is active). The
  // activated form gives the focus back to the control that last held it.
  void activate(Form* form);
  std::int32_t active_window() const;
  // The forms from the bottom of the stack to the top: those never activated
  // in the order they were created, then the others in the order they lost
  // the activation, and the active form last.
  std::vector<Form*> stacking_order() const;

  // ---- Mouse ------------------------------------------------------------------
  Point cursor() const { return cursor_; }
  // Sets the cursor without delivering anything (backends whose cursor the
  // system moves, and the move loop).
  void set_cursor(Point p);
  std::int16_t buttons_held() const { return buttons_; }
  void mouse_move(Point p, std::int16_t shift = 0);
  void mouse_down(std::int16_t button, std::int16_t shift = 0);
  void mouse_up(std::int16_t button, std::int16_t shift = 0);
  // A press that the double-click rule must not join to the previous one.
  void forget_last_press() { last_press_ = {}; }
  // Ends mouse capture: the held element gets no more moves and no click.
  void release_capture();
  Element* capture() const;
  // The element that receives the mouse at a screen point.
  Element* element_at(Point screen) const;

  // ---- Keyboard and focus ----------------------------------------------------
  void key_down(std::int16_t key_code, std::int16_t shift);
  void key_press(std::int16_t key_ascii);
  void key_up(std::int16_t key_code, std::int16_t shift);
  Element* focused() const;
  // Moves the focus to `control` (or to the element it passes the focus to),
  // activating its form first. Error 5 when it cannot take the focus.
  void set_focus(Element& control);
  // Moves the focus to the next (or previous) control in tab order.
  void tab(bool backwards);
  // Focuses the first control in tab order, as showing a form does.
  void focus_first(Form& form);
  // Moves the focus away from an element that became unable to hold it.
  void focus_lost_ability(Element& element);

  // ---- Input methods ---------------------------------------------------------
  // An input method's composition goes to the focused element, which shows
  // it without taking it into its text; a new one replaces the old and an
  // empty one cancels it. A commit ends the composition and then types its
  // text as the keyboard's text input does: one KeyPress per UTF-16 unit
  // (typed_characters), no KeyDown or KeyUp. Dropped, as keys are, with
  // nothing focused or in design mode.
  void compose_text(std::string_view composition);
  void commit_text(std::string_view text);
  // The focused element's spot for the input method in screen pixels, or
  // none when it takes no text.
  std::optional<TextInputSpot> text_input_spot() const;

  // ---- Design mode ------------------------------------------------------------
  // A form in design mode takes no input itself: presses over it, moves and
  // the release while a press that began on it is held, and every key while
  // it is active go to its hook instead, so a designer selects a button rather
  // than pressing it. The hook sees key downs only (presses and releases of
  // keys are swallowed). An empty hook ends design mode. The hook lives on
  // the form (Form::design_hook) and goes with it. Entering design mode takes
  // the focus off the form's controls: they are being laid out, not used, so
  // none shows the focused look.
  using DesignInput = okit::DesignInput;
  using DesignHook = okit::DesignHook;
  void set_design_hook(Form& form, DesignHook hook);
  bool in_design_mode(const Form* form) const { return form && form->design_hook(); }

  // ---- Time -------------------------------------------------------------------
  TimerQueue& timers() { return timers_; }
  double now() const { return timers_.now(); }
  // Advances the clock, firing due timers in time order.
  void advance(double ms);

  // ---- Messages ---------------------------------------------------------------
  void post(std::function<void()> message);
  // Processes pending messages (including those posted meanwhile).
  void do_events();

  // ---- Windows, layout and clipboard -----------------------------------------
  // The windows of the elements on this desktop's forms, by handle.
  WindowTable& windows() { return windows_; }
  Element* find_window(std::int32_t hwnd) const { return windows_.find(hwnd); }
  // A count of the changes to anything that decides where an element lies on
  // the screen or where the cursor is: bounds, scale modes, the element tree
  // and the cursor position. An answer computed from those alone (the cursor
  // test controls run on every timer tick) stays true while the count stands
  // still. It starts above 0 so that 0 can mean "never computed".
  std::uint64_t layout_epoch() const { return layout_epoch_; }
  void advance_layout_epoch() { ++layout_epoch_; }
  // A count of the changes to how anything on the desktop looks (every
  // invalidated area counts): what an element says of itself to assistive
  // technology shows on the screen, so a description compared when the
  // count last stood here is still current.
  std::uint64_t look_epoch() const { return look_epoch_; }
  void advance_look_epoch() { ++look_epoch_; }
  // Where edit fields cut, copy and paste: in-process until a backend
  // installs the system's (nullptr puts the in-process one back).
  Clipboard& clipboard() { return *clipboard_; }
  void install_clipboard(std::unique_ptr<Clipboard> replacement);

  // ---- Window services hooks ----------------------------------------------
  // Runs an interactive move of a window (a form or a control's surface) until
  // the mouse button is released. Backends install their loop.
  using MoveLoop = std::function<void(Element& window)>;
  void set_move_loop(MoveLoop loop) { move_loop_ = std::move(loop); }
  void run_move_loop(Element& window);

  // Controls on forms report their events here, for the application.
  void element_event(Element& source, std::string_view event, std::span<Value> args) override;
  void report(const RuntimeError& error);

 private:
  void deliver_mouse(Element& target, std::string_view event, std::int16_t button, std::int16_t shift);
  void change_focus(Form& form, Element* target);
  void set_active(Form* form);
  // Hands the input to the hook of `form` when it is in design mode.
  bool route_to_design(Form* form, const DesignInput& input);

  std::vector<std::shared_ptr<Form>> forms_;
  std::vector<std::weak_ptr<Dispatch>> activation_history_;
  // The active form, held weakly; the plain pointer saves taking a reference
  // to read it.
  std::weak_ptr<Dispatch> active_;
  Form* active_form_ = nullptr;
  ApplicationEvents* app_ = nullptr;
  ClassCatalog* catalog_ = nullptr;

  Point cursor_;
  std::int16_t buttons_ = 0;
  std::weak_ptr<Dispatch> capture_;
  struct LastPress {
    std::weak_ptr<Dispatch> element;
    Point where;
    double time = -1e9;
    bool pending_second = false;  // the next press may make a double click
  } last_press_;
  bool second_press_ = false;  // the held press is a double click's second

  TimerQueue timers_;
  std::deque<std::function<void()>> messages_;
  MoveLoop move_loop_;
  WindowTable windows_;
  std::uint64_t layout_epoch_ = 1;
  std::uint64_t look_epoch_ = 1;
  std::unique_ptr<Clipboard> clipboard_;
};

}  // namespace okit
