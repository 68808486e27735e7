// Keyboard focus and key routing. The focus events follow the classic order:
// the element losing the focus gets LostFocus, the control surfaces it leaves
// get ExitFocus (innermost first), the surfaces it enters get EnterFocus
// (outermost first), and the element receiving it gets GotFocus.

#include <algorithm>
#include <cctype>

#include "host/desktop.h"
#include "host/user_control.h"

namespace okit {

namespace {

constexpr std::int16_t kKeyTab = 9;

// The control surfaces that contain `e` (itself included), innermost first.
std::vector<UserControl*> surfaces_around(Element* e) {
  std::vector<UserControl*> chain;
  for (; e; e = e->parent())
    if (auto* surface = dynamic_cast<UserControl*>(e)) chain.push_back(surface);
  return chain;
}

bool contains(const std::vector<UserControl*>& chain, const UserControl* s) {
  return std::find(chain.begin(), chain.end(), s) != chain.end();
}


}  // namespace

Element* Desktop::focused() const {
  Form* form = active_form();
  return form ? form->focused() : nullptr;
}

void Desktop::change_focus(Form& form, Element* target) {
  Element* old = form.focused();
  if (old == target) return;
  std::shared_ptr<Dispatch> keep_old = old ? old->shared_from_this() : nullptr;
  std::shared_ptr<Dispatch> keep_new = target ? target->shared_from_this() : nullptr;
  form.remember_focus(target);
  // Both ends learn of the change before any handler runs.
  if (old && old->alive()) old->keyboard_focus_changed();
  if (target && target->alive()) target->keyboard_focus_changed();

  const auto old_chain = surfaces_around(old);
  const auto new_chain = surfaces_around(target);
  if (old && old->alive()) {
    if (auto* surface = dynamic_cast<UserControl*>(old))
      surface->UserControl_LostFocus();
    else
      old->raise("LostFocus");
  }
  for (UserControl* surface : old_chain)
    if (!contains(new_chain, surface) && surface->alive()) surface->UserControl_ExitFocus();
  for (auto it = new_chain.rbegin(); it != new_chain.rend(); ++it)
    if (!contains(old_chain, *it) && (*it)->alive()) (*it)->UserControl_EnterFocus();
  if (target && target->alive() && form.focused() == target) {
    if (auto* surface = dynamic_cast<UserControl*>(target))
      surface->UserControl_GotFocus();
    else
      target->raise("GotFocus");
  }
}

void Desktop::set_focus(Element& control) {
  Element* target = focus_target(control);
  Form* form = control.form();
  if (!target || !form || !form->alive()) throw RuntimeError(err::InvalidCall);
  auto keep_alive = target->shared_from_this();
  if (form != active_form()) activate(form);
  if (target->alive()) change_focus(*form, target);
}

void Desktop::set_design_hook(Form& form, DesignHook hook) {
  if (hook) change_focus(form, nullptr);
  form.set_design_hook(std::move(hook));
}

void Desktop::focus_first(Form& form) {
  const auto order = form.tab_order();
  if (!order.empty()) change_focus(form, focus_target(*order.front()));
}

void Desktop::tab(bool backwards) {
  Form* form = active_form();
  if (!form) return;
  const auto order = form->tab_order();
  if (order.empty()) return;
  Element* current = control_holding(form->focused());
  auto it = std::find(order.begin(), order.end(), current);
  std::size_t index = 0;
  if (it == order.end())
    index = backwards ? order.size() - 1 : 0;
  else if (backwards)
    index = (static_cast<std::size_t>(it - order.begin()) + order.size() - 1) % order.size();
  else
    index = (static_cast<std::size_t>(it - order.begin()) + 1) % order.size();
  change_focus(*form, focus_target(*order[index]));
}

void Desktop::focus_lost_ability(Element& element) {
  for (auto& form : forms_) {
    Element* focus = form->focused();
    bool inside = false;
    for (Element* e = focus; e; e = e->parent())
      if (e == &element) inside = true;
    if (!inside) continue;
    if (form.get() == active_form()) {
      tab(false);
      if (form->focused() == focus) change_focus(*form, nullptr);
    } else {
      form->remember_focus(nullptr);
    }
  }
}

// ---- Keys ---------------------------------------------------------------------

namespace {

// Access keys: Alt plus a letter or digit activates the control whose caption
// marks that character. A label passes it on to the next control in tab order.
bool route_access_key(Desktop& desktop, Form& form, char key) {
  const auto controls = form.controls();
  for (Element* control : controls) {
    if (control->access_key() != key || !control->shown() || !control->input_enabled()) continue;
    auto keep_alive = control->shared_from_this();
    if (focus_target(*control)) {
      desktop.set_focus(*control);
      if (control->alive()) control->activate_access_key();
      return true;
    }
    const auto order = form.tab_order();
    auto next = std::find_if(order.begin(), order.end(),
                             [&](Element* c) { return c->tab_index() > control->tab_index(); });
    if (next != order.end()) desktop.set_focus(**next);
    return true;
  }
  return false;
}

}  // namespace

void Desktop::key_down(std::int16_t key_code, std::int16_t shift) {
  if (route_to_design(active_form(), {DesignInput::Kind::KeyDown, nullptr, key_code, shift})) return;
  Element* target = focused();
  if (!target) return;
  if (key_code == kKeyTab && (shift & (shift_mask::Ctrl | shift_mask::Alt)) == 0) {
    tab((shift & shift_mask::Shift) != 0);
    return;
  }
  if ((shift & shift_mask::Alt) && std::isalnum(key_code) && target->form() &&
      route_access_key(*this, *target->form(), static_cast<char>(std::tolower(key_code))))
    return;
  auto keep_alive = target->shared_from_this();
  auto surfaces = surfaces_around(target);
  // A control's surface sees the keys meant for its child elements first.
  if (!surfaces.empty()) {
    surfaces.front()->UserControl_KeyDown(key_code, shift);
    if (!target->alive() || surfaces.front() == target) return;
  }
  target->key_down(key_code, shift);
}

void Desktop::key_press(std::int16_t key_ascii) {
  if (in_design_mode(active_form())) return;
  Element* target = focused();
  if (!target) return;
  auto keep_alive = target->shared_from_this();
  auto surfaces = surfaces_around(target);
  if (!surfaces.empty()) {
    surfaces.front()->UserControl_KeyPress(key_ascii);
    if (!target->alive() || surfaces.front() == target || key_ascii == 0) return;
  }
  target->key_press(key_ascii);
}

void Desktop::key_up(std::int16_t key_code, std::int16_t shift) {
  if (in_design_mode(active_form())) return;
  Element* target = focused();
  if (!target) return;
  if (key_code == kKeyTab) return;
  auto keep_alive = target->shared_from_this();
  auto surfaces = surfaces_around(target);
  if (!surfaces.empty()) {
    surfaces.front()->UserControl_KeyUp(key_code, shift);
    if (!target->alive() || surfaces.front() == target) return;
  }
  target->key_up(key_code, shift);
}

}  // namespace okit
