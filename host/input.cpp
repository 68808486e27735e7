// Mouse input: hit testing, capture while a button is held, and the click
// and double-click sequences the host produces.

#include <cstdlib>

#include "host/desktop.h"
#include "host/user_control.h"

namespace okit {

namespace {

// Presses closer than this in time and space make a double click.
constexpr double kDoubleClickMs = 500;
constexpr int kDoubleClickDistance = 4;

Element* hit(Element& element, Point screen) {
  if (!element.shown() || !element.hit_testable()) return nullptr;
  if (element.role() != ElementRole::Form && !element.screen_rect().contains(screen)) return nullptr;
  const auto& children = element.children();
  for (auto it = children.rbegin(); it != children.rend(); ++it)
    if (Element* found = hit(**it, screen)) return found;
  return &element;
}

Element* locked_element(const std::weak_ptr<Dispatch>& weak) {
  auto locked = weak.lock();
  auto* e = static_cast<Element*>(locked.get());
  return e && e->alive() ? e : nullptr;
}


}  // namespace

Element* Desktop::capture() const { return locked_element(capture_); }

void Desktop::release_capture() { capture_.reset(); }

Element* Desktop::element_at(Point screen) const {
  const auto stacking = stacking_order();  // bottom first
  for (auto it = stacking.rbegin(); it != stacking.rend(); ++it) {
    Form* form = *it;
    if (!form->shown() || !form->screen_rect().contains(screen)) continue;
    return hit(*form, screen);
  }
  return nullptr;
}

bool Desktop::route_to_design(Form* form, const DesignInput& input) {
  if (!in_design_mode(form)) return false;
  // The hook may reload the form (undo) or set hooks anew: it runs from a copy,
  // with the form kept alive.
  auto keep_alive = form->shared_from_this();
  const DesignHook hook = form->design_hook();
  hook(*form, input);
  return true;
}

namespace {
// Surfaces and forms have no mouse handlers of their own here; disabled
// elements take no input.
bool receives_mouse(const Element& target) {
  return target.role() != ElementRole::Form && !dynamic_cast<const UserControl*>(&target) && target.input_enabled();
}
}  // namespace

void Desktop::deliver_mouse(Element& target, std::string_view event, std::int16_t button, std::int16_t shift) {
  if (!receives_mouse(target)) return;
  const Point origin = target.screen_origin();
  const double unit = twips_per_unit(target.position_scale(), false);
  const double unit_y = twips_per_unit(target.position_scale(), true);
  Value args[] = {button, shift, static_cast<float>((cursor_.x - origin.x) * kTwipsPerPixel / unit),
                  static_cast<float>((cursor_.y - origin.y) * kTwipsPerPixel / unit_y)};
  target.mouse_input(event, args);
}

void Desktop::set_cursor(Point p) {
  if (p == cursor_) return;
  cursor_ = p;
  advance_layout_epoch();
}

void Desktop::mouse_move(Point p, std::int16_t shift) {
  if (p == cursor_) return;
  set_cursor(p);
  Element* target = capture();
  Element* under = element_at(p);
  if (!target) target = under;
  if (target && route_to_design(target->form(), {DesignInput::Kind::MouseMove, under, buttons_, shift})) return;
  if (target) deliver_mouse(*target, "MouseMove", buttons_, shift);
}

void Desktop::mouse_down(std::int16_t button, std::int16_t shift) {
  buttons_ |= button;
  Element* target = element_at(cursor_);
  if (!target) return;
  auto keep_alive = target->shared_from_this();
  Form* form = target->form();
  if (form && form != active_form()) activate(form);
  if (!target->alive()) return;
  if (in_design_mode(form)) {
    if (buttons_ == button) capture_ = form->weak_from_this();
    route_to_design(form, {DesignInput::Kind::MouseDown, target, button, shift});
    return;
  }

  // The press moves the focus before MouseDown is delivered.
  if (target->input_enabled()) {
    Element* focus = target->can_take_focus() ? target : nullptr;
    if (!focus)
      if (Element* control = control_holding(target)) focus = focus_target(*control);
    if (focus && form) change_focus(*form, focus);
  }
  if (!target->alive()) return;

  if (buttons_ == button) capture_ = target->weak_from_this();
  const bool joins_previous = button == mouse_button::Left && last_press_.pending_second &&
                              locked_element(last_press_.element) == target &&
                              now() - last_press_.time <= kDoubleClickMs &&
                              std::abs(cursor_.x - last_press_.where.x) <= kDoubleClickDistance &&
                              std::abs(cursor_.y - last_press_.where.y) <= kDoubleClickDistance;
  if (button == mouse_button::Left)
    last_press_ = {target->weak_from_this(), cursor_, now(), !joins_previous};
  second_press_ = joins_previous;
  if (!joins_previous)
    deliver_mouse(*target, "MouseDown", button, shift);
  else if (receives_mouse(*target))
    target->mouse_input("DblClick", {});
}

void Desktop::mouse_up(std::int16_t button, std::int16_t shift) {
  buttons_ &= static_cast<std::int16_t>(~button);
  Element* held = capture();
  Element* target = held ? held : element_at(cursor_);
  if (buttons_ == 0) capture_.reset();
  if (!target) return;
  auto keep_alive = target->shared_from_this();
  if (route_to_design(target->form(), {DesignInput::Kind::MouseUp, element_at(cursor_), button, shift})) return;
  deliver_mouse(*target, "MouseUp", button, shift);
  // A click needs the press and the release on the same element, and the
  // release of a double click's second press makes none.
  const bool clicks = button == mouse_button::Left && held && held->alive() && !second_press_ &&
                      element_at(cursor_) == held;
  if (button == mouse_button::Left) second_press_ = false;
  if (clicks && receives_mouse(*held)) held->raise("Click");
}

}  // namespace okit
