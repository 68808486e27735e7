#include "app/designer/event_router.h"

#include <algorithm>

namespace okit {

void EventRouter::on(const std::shared_ptr<Element>& control, std::string_view event, Handler handler) {
  std::erase_if(routes_, [](const Route& route) { return route.control.expired(); });
  routes_.push_back({control, std::string(event), std::move(handler)});
}

void EventRouter::control_event(Element& control, std::string_view event, std::span<Value> args) {
  // A handler may close windows and register new routes, so the matching
  // handlers are taken out before any runs.
  std::vector<Handler> matching;
  for (const auto& route : routes_)
    if (route.control.lock().get() == &control && equals_ignore_case(route.event, event))
      matching.push_back(route.handler);
  for (const auto& handler : matching) handler(args);
  if (on_key_down && equals_ignore_case(event, "KeyDown") && args.size() >= 2)
    on_key_down(args[0].to_integer(), args[1].to_integer());
}

void EventRouter::property_changed(Element& control, std::string_view property) {
  if (on_property_changed) on_property_changed(control, property);
}

void EventRouter::unhandled_error(const RuntimeError& error) {
  if (on_error) on_error(error);
}

}  // namespace okit
