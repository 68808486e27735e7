#include "host/form.h"

#include <algorithm>
#include <cmath>

#include "host/desktop.h"
#include "host/user_control.h"

namespace okit {

Form::Form(std::string name) : Element(std::move(name)) {
  set_role(ElementRole::Form);
  take_window();
}

void Form::put_BorderStyle(std::int16_t v) {
  if (v < 0 || v > 5) throw RuntimeError(err::InvalidPropertyValue);
  border_style_ = v;
}

Point Form::client_screen_origin() const {
  return {static_cast<std::int32_t>(std::lround(left_twips() / kTwipsPerPixel)),
          static_cast<std::int32_t>(std::lround(top_twips() / kTwipsPerPixel))};
}

void Form::move_to_screen(Point client_origin) {
  set_bounds_twips(client_origin.x * kTwipsPerPixel, client_origin.y * kTwipsPerPixel, width_twips(), height_twips());
}

// The client size does not depend on where the form stands, so moving a form
// never changes the size of its frame.
Rect Form::client_pixels() const {
  return {0, 0, static_cast<std::int32_t>(std::lround(width_twips() / kTwipsPerPixel)),
          static_cast<std::int32_t>(std::lround(height_twips() / kTwipsPerPixel))};
}

Rect Form::paint_rect() const {
  const Point origin = client_screen_origin();
  const Rect client = client_pixels();
  return {origin.x, origin.y, origin.x + client.width(), origin.y + client.height()};
}

namespace {
void collect_controls(const Element& parent, std::vector<Element*>& out) {
  for (const auto& child : parent.children()) {
    if (child->role() != ElementRole::Control) continue;
    out.push_back(child.get());
    collect_controls(*child, out);
  }
}
}  // namespace

std::vector<Element*> Form::controls() const {
  std::vector<Element*> out;
  collect_controls(*this, out);
  return out;
}

std::shared_ptr<Element> Form::find_control(std::string_view name) const {
  for (Element* control : controls())
    if (equals_ignore_case(control->name(), name))
      return std::static_pointer_cast<Element>(control->shared_from_this());
  return nullptr;
}

std::vector<Element*> Form::tab_order() const {
  std::vector<Element*> order;
  for (Element* control : controls())
    if (control->tab_stop() && control->shown() && control->input_enabled() && focus_target(*control))
      order.push_back(control);
  std::stable_sort(order.begin(), order.end(),
                   [](const Element* a, const Element* b) { return a->tab_index() < b->tab_index(); });
  return order;
}

std::int16_t Form::next_tab_index() const {
  const auto all = controls();
  if (all.empty()) return 0;
  std::int16_t highest = 0;
  for (const Element* control : all) highest = std::max(highest, control->tab_index());
  return static_cast<std::int16_t>(highest + 1);
}

Element* Form::focused() const {
  auto locked = focused_.lock();
  auto* e = static_cast<Element*>(locked.get());
  return e && e->alive() ? e : nullptr;
}

// The focused element of a form looks different (a selection shows, a
// button gets its frame), so both ends of a focus change are repainted.
void Form::remember_focus(Element* e) {
  Element* old = focused();
  if (old == e) return;
  if (old) old->invalidate();
  if (e)
    focused_ = e->shared_from_this();
  else
    focused_.reset();
  if (e) e->invalidate();
}

Element* control_holding(Element* e) {
  for (; e && e->role() != ElementRole::Form; e = e->parent())
    if (e->role() == ElementRole::Control) return e;
  return nullptr;
}

Element* focus_target(Element& control) {
  if (!control.shown() || !control.input_enabled()) return nullptr;
  if (control.can_take_focus()) return &control;
  auto* surface = dynamic_cast<UserControl*>(&control);
  if (!surface || !surface->can_get_focus()) return nullptr;
  return surface->first_focusable_child();
}

std::shared_ptr<Form> Form::create(Desktop& desktop, std::string name) {
  return desktop.create_form(std::move(name));
}

// A form on no desktop has nothing to be removed from.
void Form::Unload() {
  Desktop* on = desktop();
  if (!on) return;
  auto self = std::static_pointer_cast<Form>(shared_from_this());
  on->post([self, on] {
    if (self->alive()) on->unload(*self);
  });
}

}  // namespace okit
