// The host's side of descriptions: what every element says about itself
// before its kind or its control adds what it is.

#include "host/description.h"

#include <algorithm>

#include "host/element.h"
#include "host/elements/mnemonic.h"
#include "host/form.h"

namespace okit {

namespace {

// The caption as it is shown, or nothing for a class without one: the
// access-key markers go, unless the element shows them as they are.
std::optional<std::string> shown_caption(Element& e) {
  const ClassInfo& info = e.class_info();
  if (!info.find_property("Caption")) return std::nullopt;
  const Value caption = e.get_property("Caption");
  if (caption.type() != VarType::String) return std::nullopt;
  if (info.find_property("UseMnemonic") && e.get_property("UseMnemonic") == Value::boolean(false))
    return caption.as_string();
  return strip_mnemonic(caption.as_string());
}

}  // namespace

const DescribedAction* Description::find_action(std::string_view action_name) const {
  const auto it = std::find_if(actions.begin(), actions.end(),
                               [&](const DescribedAction& action) { return action.name == action_name; });
  return it == actions.end() ? nullptr : &*it;
}

Description Element::describe() {
  Description d;
  d.role = "element";
  d.name = shown_caption(*this).value_or(name());
  const Form* on = form();
  d.states.focused = on && control_holding(on->focused()) == this;
  d.states.disabled = !input_enabled();
  d.states.hidden = !shown();
  d.access_key = access_key();
  return d;
}

DescribedAction click_action(Element& target, std::string name, std::string effect) {
  std::weak_ptr<Dispatch> weak = target.weak_from_this();
  return {std::move(name), std::move(effect), [weak] {
            const auto held = weak.lock();
            if (auto* element = static_cast<Element*>(held.get()); element && element->alive()) element->raise("Click");
          }};
}

}  // namespace okit
