#pragma once
// The designer's windows (toolbox, property grid, messages) are forms of host
// controls, and the desktop reports every control's events to one
// application sink. The router is that sink: each window registers handlers
// for the controls it made, so no window needs to know the others.

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "host/desktop.h"

namespace okit {

class EventRouter : public ApplicationEvents {
 public:
  using Handler = std::function<void(std::span<Value> args)>;

  // Calls `handler` whenever `control` raises `event`, for as long as the
  // control lives.
  void on(const std::shared_ptr<Element>& control, std::string_view event, Handler handler);

  // Every key down the windows' controls raise, after their own handlers:
  // the designer's shortcuts work whichever of its windows has the keyboard.
  std::function<void(std::int16_t key, std::int16_t shift)> on_key_down;
  std::function<void(Element&, std::string_view)> on_property_changed;
  std::function<void(const RuntimeError&)> on_error;

  void control_event(Element& control, std::string_view event, std::span<Value> args) override;
  void property_changed(Element& control, std::string_view property) override;
  void unhandled_error(const RuntimeError& error) override;

 private:
  struct Route {
    std::weak_ptr<Element> control;
    std::string event;
    Handler handler;
  };
  std::vector<Route> routes_;
};

}  // namespace okit
