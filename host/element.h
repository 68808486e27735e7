#pragma once
// Element: one node of a form's element tree. A form, a control placed on it,
// a control's surface and each child element a control creates are all
// elements. The tree owns its nodes; an event in progress keeps its element
// alive through a shared pointer, and code after a raise asks `alive()`
// because a handler may have destroyed the element, or its whole form.

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "host/description.h"
#include "host/dispatch.h"
#include "host/export.h"
#include "host/geometry.h"
#include "host/scale.h"

namespace okit {

class Canvas;
class Desktop;
class Element;
class Form;
class UserControl;

// Receives the events an element raises. Child elements of a control report
// to the control (its `child_MouseDown` handlers); controls on a form report
// to the application.
// The source is passed by reference and is not held: a sink that reads it
// after running handlers, which may destroy it, holds it first.
class OKIT_EXPORT EventSink {
 public:
  virtual ~EventSink() = default;
  virtual void element_event(Element& source, std::string_view event, std::span<Value> args) = 0;
};

// Where an element that takes text meets an input method: the line of its
// caret (the input method puts its candidate list below it) and whether the
// element shows an uncommitted composition there.
struct TextInputSpot {
  Rect caret_line;
  bool composing = false;
  bool operator==(const TextInputSpot&) const = default;
};

// What an element is to its form. A control is something the form's author
// placed (its position is always twips, it has a tab index in the form's tab
// order and it reports to the application); a child element belongs to a
// control's design-time layout.
enum class ElementRole : std::uint8_t { ChildElement, Control, Form };

class OKIT_EXPORT Element : public Dispatch {
 public:
  explicit Element(std::string name);
  ~Element() override;

  const std::string& name() const { return name_; }
  void set_name(std::string name) { name_ = std::move(name); }
  ElementRole role() const { return role_; }
  void set_role(ElementRole role) { role_ = role; }

  // ---- Tree --------------------------------------------------------------
  Element* parent() const { return parent_; }
  const std::vector<std::shared_ptr<Element>>& children() const { return children_; }
  // Adds in front of the existing children (block order in a form file is
  // z-order, first = bottom).
  void add_child(std::shared_ptr<Element> child);
  std::shared_ptr<Element> find_child(std::string_view name) const;  // direct child, case-insensitive
  void ZOrder(std::int16_t position);  // 0 brings to front, 1 sends to back
  Form* form() const;                  // the form this element lives on, or nullptr
  // The desktop of the element's form, or nullptr for an element on no form
  // (or on a form no desktop holds, or after its life ended): such an element
  // has no cursor, focus, timers or messages, and the code that needs them
  // does nothing. Controls ask on every timer tick, so the element keeps it
  // rather than walking up to its form: it is set when the element joins a
  // form on a desktop and cleared when its life ends, the only two ways an
  // element comes onto a desktop's form or leaves it.
  Desktop* desktop() const { return desktop_; }
  UserControl* owning_control() const;  // nearest control surface above (not this element)

  // Removes the element from its parent and ends its life: windows and timers
  // are released and `alive()` turns false for it and every descendant. The
  // object itself lives on while anything (an event in progress) holds it.
  void destroy();
  bool alive() const { return alive_; }

  // ---- Geometry ----------------------------------------------------------
  // Stored in twips relative to the parent's client origin; read and written
  // through Left/Top/Width/Height in the parent's scale units (controls:
  // always twips).
  double left_twips() const { return left_; }
  double top_twips() const { return top_; }
  double width_twips() const { return width_; }
  double height_twips() const { return height_; }
  void set_bounds_twips(double left, double top, double width, double height);
  // Sets the bounds without running the resize handler (a loader places a
  // control before it reads its properties, then resizes it once). Throws
  // RuntimeError 380 for a form wider or higher than kMaxFormPixels.
  void place_twips(double left, double top, double width, double height);
  // Runs the resize handler as the host does after placing or loading.
  void notify_resized() { on_resized(); }

  ScaleMode position_scale() const;  // the unit of Left/Top/Width/Height
  float Left() const;
  float Top() const;
  float Width() const;
  float Height() const;
  void put_Left(float v);
  void put_Top(float v);
  void put_Width(float v);
  void put_Height(float v);
  void Move(float left, float top, float width, float height);

  // The scale mode children of this element are positioned in.
  virtual ScaleMode child_scale_mode() const { return ScaleMode::Twips; }
  // Screen pixel of this element's top-left corner (of its client area).
  Point screen_origin() const;
  Rect screen_rect() const;
  Rect pixel_rect() const;  // in the parent's client pixels

  // ---- State -------------------------------------------------------------
  bool visible() const { return visible_; }
  void put_Visible(bool v);
  bool enabled() const { return enabled_; }
  void put_Enabled(bool v);
  bool shown() const;       // visible itself and every ancestor
  bool input_enabled() const;  // enabled itself and every ancestor

  std::int16_t tab_index() const { return tab_index_; }
  void put_TabIndex(std::int16_t v) { tab_index_ = v; }
  bool tab_stop() const { return tab_stop_; }
  void put_TabStop(bool v) { tab_stop_ = v; }
  const std::string& tag() const { return tag_; }
  void put_Tag(std::string v) { tag_ = std::move(v); }

  // 0 for windowless elements (images, labels, lines, shapes, timers).
  std::int32_t hwnd() const { return hwnd_; }

  // ---- Painting ----------------------------------------------------------
  // Draws the element in its own pixel coordinates, (0, 0) being the top-left
  // corner of paint_rect(); the compositor draws its children afterwards, on
  // top of it and clipped to it. Painting only reads the element.
  virtual void paint(Canvas&) const {}
  // The rectangle the element paints in and clips its children to, in the
  // parent's client pixels.
  virtual Rect paint_rect() const { return pixel_rect(); }
  // Marks the element's rectangle, or the part `area` of it (own pixels),
  // for repainting on its form. An element that is hidden, or not on a form,
  // shows nothing and marks nothing.
  void invalidate();
  void invalidate(Rect area);

  // ---- Input -------------------------------------------------------------
  // Whether the mouse over this element's rectangle is delivered to it (lines
  // and hidden things are not hit).
  virtual bool hit_testable() const { return true; }
  // Whether this element can hold the keyboard focus itself.
  virtual bool can_take_focus() const { return false; }
  // Keys delivered while the element holds the focus. The defaults raise the
  // classic events; edit fields and push buttons add their behaviour.
  virtual void key_down(std::int16_t& key_code, std::int16_t& shift);
  virtual void key_press(std::int16_t& key_ascii);
  virtual void key_up(std::int16_t& key_code, std::int16_t& shift);
  // Mouse input the desktop delivers to the element: MouseDown, MouseMove,
  // MouseUp (Button, Shift, X, Y) and DblClick (no arguments). The default
  // raises the event; an edit field then also places its caret or selects.
  virtual void mouse_input(std::string_view event, std::span<Value> args) { raise(event, args); }
  // Called when the element may have gained or lost the keyboard: the focus
  // of its form moved to or from it, or its form was activated or
  // deactivated while it held the form's focus. An edit field starts and
  // stops its caret here.
  virtual void keyboard_focus_changed() {}
  // An input method's uncommitted text, delivered to the focused element:
  // an edit field shows it at its caret (an empty text ends it); elements
  // that take no text ignore it. It raises no events.
  virtual void compose(std::string_view /*composition*/) {}
  // The element's spot for an input method, its caret line in its own
  // pixels; none for an element that takes no text.
  virtual std::optional<TextInputSpot> text_input_spot() const { return std::nullopt; }
  // The access-key character of the element's caption (lower case), or 0.
  virtual char access_key() const { return 0; }
  // Called when the element's access key is pressed.
  virtual void activate_access_key() {}

  // ---- Desktop services ----------------------------------------------------
  // Processes the pending window messages of the element's desktop before
  // returning, as controls do in the middle of some layouts. A handler run
  // from here may change or destroy anything, including this element.
  void DoEvents() const;
  // The layout epoch of the element's desktop (see Desktop::layout_epoch);
  // 0, which matches no remembered answer, for an element on no desktop.
  std::uint64_t layout_epoch() const;
  // ---- Description ---------------------------------------------------------
  // What the element is to someone who cannot see it. The default names an
  // `element` by its caption as shown (or its name) with the states the host
  // knows (focused, disabled, hidden) and its access key; element kinds and
  // controls start from it and say what they are.
  virtual Description describe();

  // ---- Events ------------------------------------------------------------
  void set_sink(EventSink* sink) { sink_ = sink; }
  EventSink* sink() const { return sink_; }
  void raise(std::string_view event, std::span<Value> args = {});

 protected:
  // Called after the size changed; surfaces run their Resize handler.
  virtual void on_resized() {}
  virtual void on_destroy() {}
  // Called when the element comes onto a form of `desktop`, after its
  // window is listed there (a timer enabled before starts running here).
  virtual void on_joined(Desktop&) {}
  // Lists the element's window and those of its descendants on `desktop`.
  void join(Desktop& desktop);
  // Tells the element's desktop, if any, that the layout changed.
  void layout_changed() const;
  void take_window();  // gives the element a window handle
  // Assigns a property that shows on screen and marks the element for
  // repainting, but only when the value really changes: controls re-assign
  // unchanged values on every timer tick, and those must cost nothing.
  // Returns whether the value changed.
  template <typename T, typename U>
  bool set_and_invalidate(T& field, U&& value) {
    if (field == value) return false;
    field = std::forward<U>(value);
    invalidate();
    return true;
  }

 private:
  void end_life();
  // Moves the focus away from the element, now hidden or disabled.
  void lost_focus_ability();

  std::string name_;
  ElementRole role_ = ElementRole::ChildElement;
  Element* parent_ = nullptr;
  std::vector<std::shared_ptr<Element>> children_;
  double left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  bool visible_ = true;
  bool enabled_ = true;
  bool tab_stop_ = true;
  bool alive_ = true;
  std::int16_t tab_index_ = 0;
  std::int32_t hwnd_ = 0;
  std::string tag_;
  EventSink* sink_ = nullptr;
  Desktop* desktop_ = nullptr;
};

// The properties every element kind shares (Name, Left, Top, Width, Height,
// Visible, Enabled, TabIndex, Tag, hWnd); element tables fall back to it.
OKIT_EXPORT const ClassInfo& element_class_info();

// An action that raises Click on `target` as a user's click does, so the
// handlers a click runs run; it does nothing once the target is gone.
OKIT_EXPORT DescribedAction click_action(Element& target, std::string name, std::string effect);

// Depth-first walk of a subtree (the root first).
template <typename F>
void for_each_element(Element& root, F&& visit) {
  visit(root);
  const auto children = root.children();  // a copy: visiting may change the tree
  for (const auto& child : children) for_each_element(*child, visit);
}

}  // namespace okit
