#pragma once
// UserControl: the surface a control's code runs against. A control class
// derives from it, creates its child elements from its design-time layout in
// its constructor, registers handlers for their events, and overrides the
// surface handlers it has (UserControl_Resize, UserControl_Show, ...).
// Late-bound access to a control goes to the control's own interface (its
// ClassInfo) and then to the properties the host adds to every control;
// the surface's own members (ScaleWidth, BackColor, ...) are reached through
// `surface()`.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/element.h"
#include "host/export.h"
#include "host/typed_events.h"

namespace okit {

class PropertyBag;

using ChildHandler = std::function<void(std::span<Value> args)>;

// Looks a control can be made to show for skin reviews (`okit render
// --state`), without faking the input that would lead to them.
enum class ForcedLook { Normal, Hover, Pressed, Focused, Disabled, Inactive };
OKIT_EXPORT std::optional<ForcedLook> parse_forced_look(std::string_view name);

class OKIT_EXPORT UserControl : public Element, public EventSink {
 public:
  explicit UserControl(std::string name);
  ~UserControl() override;

  // ---- Life, as the host drives it ---------------------------------------
  virtual void InitProperties() {}
  virtual void ReadProperties(PropertyBag&) {}
  virtual void WriteProperties(PropertyBag&) {}
  virtual void UserControl_Resize() {}
  virtual void UserControl_Show() {}
  virtual void UserControl_EnterFocus() {}
  virtual void UserControl_ExitFocus() {}
  virtual void UserControl_GotFocus() {}
  virtual void UserControl_LostFocus() {}
  virtual void UserControl_KeyDown(std::int16_t& /*KeyCode*/, std::int16_t& /*Shift*/) {}
  virtual void UserControl_KeyPress(std::int16_t& /*KeyAscii*/) {}
  virtual void UserControl_KeyUp(std::int16_t& /*KeyCode*/, std::int16_t& /*Shift*/) {}

  // Runs UserControl_Show the first time the control is shown.
  void show();
  // Shows one of the control's looks as it is drawn, for reviews; controls
  // without such a look keep the one they have.
  virtual void show_forced_look(ForcedLook) {}

  // ---- Surface members ----------------------------------------------------
  ScaleMode child_scale_mode() const override { return scale_mode_; }
  std::int16_t get_ScaleMode() const { return static_cast<std::int16_t>(scale_mode_); }
  void put_ScaleMode(std::int16_t v);
  float ScaleWidth() const;
  float ScaleHeight() const;
  double ScaleX(double value, std::int16_t from_mode, std::int16_t to_mode) const;
  double ScaleY(double value, std::int16_t from_mode, std::int16_t to_mode) const;
  std::int32_t BackColor() const { return back_color_; }
  void put_BackColor(std::int32_t v) { set_and_invalidate(back_color_, v); }
  std::int32_t ForeColor() const { return fore_color_; }
  void put_ForeColor(std::int32_t v) { fore_color_ = v; }
  bool AutoRedraw() const { return auto_redraw_; }
  void put_AutoRedraw(bool v) { auto_redraw_ = v; }
  // The form that holds this control (also when it sits in a container).
  Element* Parent() const;

  // Text output on the surface: what Print drew since the last Cls. The
  // position is in pixels, fixed when the text was printed: output already
  // drawn stays put when the scale mode changes afterwards.
  struct PrintedText {
    Point at;
    std::string text;
    std::int32_t color;
  };
  void Cls();
  float CurrentX() const { return current_x_; }
  float CurrentY() const { return current_y_; }
  void put_CurrentX(float v) { current_x_ = v; }
  void put_CurrentY(float v) { current_y_ = v; }
  float TextWidth(std::string_view text) const;
  float TextHeight(std::string_view text) const;
  void Print(std::string_view text);
  const std::vector<PrintedText>& printed() const { return printed_; }

  // Tells the host a persisted property changed (marks the form modified).
  void PropertyChanged(std::string_view property_name);
  // Raises one of the control's declared events to the application: first
  // to the handlers attached with on_event, in the order they were attached,
  // then to the desktop's application sink. By-reference arguments pass
  // through each in turn.
  void RaiseEvent(std::string_view event, std::span<Value> args = {});
  // Attaches an application handler to one of the control's events (the
  // controls' typed on_Click, on_MouseDown, ... call this).
  void on_event(std::string_view event, LateBoundHandler handler);

  // ---- Focus and containment ---------------------------------------------
  // Controls that never take the focus (containers) say so here.
  virtual bool can_get_focus() const { return true; }
  virtual bool is_container() const { return false; }
  // First child element that can take the focus, in the surface's tab order;
  // the surface itself when it has none.
  Element* first_focusable_child();

  // The surface's own members by name, for `elem OBJ.UserControl.PROP`.
  Dispatch& surface();

  // Fills the surface with BackColor and draws the printed text on it.
  void paint(Canvas& canvas) const override;

 protected:
  // Creates a design-time child element inside `container` (the surface or
  // one of its picture boxes), reporting its events to this control.
  template <typename T>
  std::shared_ptr<T> add_element(Element& container, std::string element_name) {
    auto element = std::make_shared<T>(std::move(element_name));
    element->set_sink(this);
    container.add_child(element);
    return element;
  }
  // Registers the handler for one event of one child element.
  void handle(Element& child, std::string_view event, ChildHandler handler);

  void element_event(Element& source, std::string_view event, std::span<Value> args) override;
  void on_resized() override;
  void on_destroy() override;

 private:
  struct HandlerEntry {
    Element* source;
    std::string event;
    ChildHandler handler;
  };
  std::vector<HandlerEntry> handlers_;
  struct ApplicationHandlerEntry {
    std::string event;
    LateBoundHandler handler;
  };
  std::vector<ApplicationHandlerEntry> application_handlers_;
  ScaleMode scale_mode_ = ScaleMode::Twips;
  std::int32_t back_color_ = static_cast<std::int32_t>(0x8000000F);
  std::int32_t fore_color_ = static_cast<std::int32_t>(0x80000012);
  bool auto_redraw_ = false;
  bool shown_once_ = false;
  float current_x_ = 0, current_y_ = 0;
  std::vector<PrintedText> printed_;
  std::unique_ptr<Dispatch> surface_;
};

}  // namespace okit
