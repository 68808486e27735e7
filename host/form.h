#pragma once
// Form: a top-level window holding controls. Its Left/Top are the screen
// position of its client area in twips and its Width/Height the client size:
// the runtime's windows have no frame of their own (the caption control draws
// frames), so the outer rectangle and the client area coincide.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "host/element.h"
#include "host/export.h"
#include "host/paint/dirty_region.h"
#include "host/runtime_error.h"

namespace okit {

// A form's frame is one block of pixels: a larger client area would exhaust
// memory rather than show anything, so sizes beyond this are refused.
inline constexpr int kMaxFormPixels = 8192;
inline constexpr double kMaxFormTwips = kMaxFormPixels * kTwipsPerPixel;

// Input a form in design mode hands to its designer instead of its controls
// (see Desktop::set_design_hook).
struct OKIT_EXPORT DesignInput {
  enum class Kind { MouseDown, MouseMove, MouseUp, KeyDown } kind;
  Element* target = nullptr;  // the element under the cursor; nullptr for keys and outside the form
  std::int16_t button_or_key = 0;
  std::int16_t shift = 0;
};
class Desktop;
class Form;
using DesignHook = std::function<void(Form& form, const DesignInput& input)>;
// Asked when the user closes a form's window; false keeps the form open (an
// editor asking about unsaved changes first).
using CloseGuard = std::function<bool()>;

class OKIT_EXPORT Form : public Element {
 public:
  explicit Form(std::string name);
  const ClassInfo& class_info() const override;

  // ---- For application code ----------------------------------------------
  // Reads a form file and loads it onto `desktop`, shown and active.
  // Throws FormFileError ("FILE:LINE: message") when the file cannot be read
  // or does not load; a broken file loads nothing.
  static std::shared_ptr<Form> load(Desktop& desktop, const std::string& path);
  // A new empty form on `desktop`.
  static std::shared_ptr<Form> create(Desktop& desktop, std::string name);
  // The control named `name` (case-insensitive, also inside containers) as
  // its class. RuntimeError 424 when there is none, 13 when it is another.
  template <typename T>
  T& control(std::string_view name) const {
    auto found = find_control(name);
    if (!found) throw RuntimeError(err::ObjectRequired);
    auto* typed = dynamic_cast<T*>(found.get());
    if (!typed) throw RuntimeError(err::TypeMismatch);
    return *typed;
  }
  // Removes the form from the desktop once the event being handled has
  // finished: a handler may close its own form.
  void Unload();

  // Design mode: empty while the form takes its own input.
  const DesignHook& design_hook() const { return design_hook_; }
  void set_design_hook(DesignHook hook) { design_hook_ = std::move(hook); }
  // Empty: the window closes when asked (see Desktop::close_by_user).
  const CloseGuard& close_guard() const { return close_guard_; }
  void set_close_guard(CloseGuard guard) { close_guard_ = std::move(guard); }

  const std::string& caption() const { return caption_; }
  void put_Caption(std::string v) { caption_ = std::move(v); }
  // What the form's window shows as its title: the Caption, unless a tool
  // shows its own there (a designer's "Dialog - okit design *"), which the
  // form file never holds.
  const std::string& window_title() const { return window_title_.empty() ? caption_ : window_title_; }
  void set_window_title(std::string title) { window_title_ = std::move(title); }
  std::int16_t border_style() const { return border_style_; }
  void put_BorderStyle(std::int16_t v);
  std::int32_t back_color() const { return back_color_; }
  void put_BackColor(std::int32_t v) { set_and_invalidate(back_color_, v); }
  float ClientWidth() const { return static_cast<float>(width_twips()); }
  float ClientHeight() const { return static_cast<float>(height_twips()); }
  std::int32_t get_hwnd() const { return hwnd(); }

  Point client_screen_origin() const;
  void move_to_screen(Point client_origin);

  // ---- In form files ------------------------------------------------------
  // A form file gives a form its saved properties (the writable ones of its
  // class table: Caption, BorderStyle, BackColor) and its client rectangle
  // in twips (ClientLeft, ClientTop, ClientWidth, ClientHeight). These are
  // what a form has when its file leaves a key out.
  static constexpr std::int16_t kDefaultBorderStyle = 2;
  static constexpr std::int32_t kDefaultBackColor = static_cast<std::int32_t>(0x8000000F);
  static constexpr double kDefaultClientWidth = 4800, kDefaultClientHeight = 3600;
  // The saved property a form-file key names (case-insensitive), or nullptr.
  static const PropertyInfo* saved_property(std::string_view key);
  static bool is_client_rect_key(std::string_view key);

  // ---- Painting ----------------------------------------------------------
  // The client area in its own pixels: the size of the form's frame.
  Rect client_pixels() const;
  Rect paint_rect() const override;
  void paint(Canvas& canvas) const override;
  // What must be painted again before the frame shows the form as it is.
  DirtyRegion& dirty_region() { return dirty_; }

  // Every control of the form, depth first in z-order (containers before
  // the controls they hold).
  std::vector<Element*> controls() const;
  std::shared_ptr<Element> find_control(std::string_view name) const;
  // Focusable controls sorted by tab index (ties in z-order).
  std::vector<Element*> tab_order() const;
  // The tab index a newly placed control gets: the highest plus one.
  std::int16_t next_tab_index() const;

  // The element holding the keyboard focus while this form is active, and
  // the one it gets back when it is activated again.
  Element* focused() const;
  void remember_focus(Element* e);

 private:
  friend class Desktop;  // puts the form on itself
  std::string caption_;
  std::string window_title_;
  std::int16_t border_style_ = kDefaultBorderStyle;
  std::int32_t back_color_ = kDefaultBackColor;
  std::weak_ptr<Dispatch> focused_;
  DirtyRegion dirty_;
  DesignHook design_hook_;
  CloseGuard close_guard_;
};

// The control (as the form's author placed it) that holds or is `e`: the
// innermost one, so a control inside a container keeps its own place in the
// tab order and a press inside a container reaches the control under it.
OKIT_EXPORT Element* control_holding(Element* e);

// The element of `control` that takes the keyboard focus when the control is
// focused (a composite control passes it to its first focusable child element
// in tab order), or nullptr when the control cannot take the focus.
OKIT_EXPORT Element* focus_target(Element& control);

// The form `weak` names, or null once it is destroyed or unloaded. Whoever
// keeps forms by weak pointer (the active form, the one a window shows) asks
// this before using one; the desktop holds the form the pointer leads to.
inline Form* living_form(const std::weak_ptr<Dispatch>& weak) {
  auto* form = static_cast<Form*>(weak.lock().get());
  return form && form->alive() ? form : nullptr;
}

}  // namespace okit
